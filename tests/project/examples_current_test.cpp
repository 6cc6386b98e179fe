// The shipped example projects are exactly what the example writer produces today.
#include <gtest/gtest.h>

#include <filesystem>

#include "interface/platform/run_program.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

using testing::ReadText;
using testing::TempDir;

TEST(ExampleProjects, MatchTheirWriter) {
    TempDir dir;
    const ProgramExit run = RunProgramAndWaitFor(VELMAR_MAKE_EXAMPLES, {TextFromPath(dir.path())});
    ASSERT_EQ(run.start_error, 0);
    ASSERT_EQ(run.status, 0);
    int count = 0;
    for (const auto& written : std::filesystem::directory_iterator(dir.path())) {
        const std::string shipped = VELMAR_SOURCE_DIR "/examples/" + written.path().filename().string();
        EXPECT_EQ(ReadText(TextFromPath(written.path())), ReadText(shipped)) << shipped << " is out of date";
        ++count;
    }
    EXPECT_EQ(count, 5);
}

}  // namespace
}  // namespace velmar
