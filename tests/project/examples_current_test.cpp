// The shipped example projects are exactly what the example writer produces today.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

using testing::ReadText;
using testing::TempDir;

TEST(ExampleProjects, MatchTheirWriter) {
    TempDir dir;
    std::string command = "'" VELMAR_MAKE_EXAMPLES "' '";
    command.append(dir.path().string()).append("'");
    ASSERT_EQ(std::system(command.c_str()), 0);
    int count = 0;
    for (const auto& written : std::filesystem::directory_iterator(dir.path())) {
        const std::string shipped = VELMAR_SOURCE_DIR "/examples/" + written.path().filename().string();
        EXPECT_EQ(ReadText(written.path().string()), ReadText(shipped)) << shipped << " is out of date";
        ++count;
    }
    EXPECT_EQ(count, 5);
}

}  // namespace
}  // namespace velmar
