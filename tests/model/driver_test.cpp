// The engine as a program: its arguments, exit status and where it writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "project/project_file.h"
#include "tests/support/default_project.h"
#include "tests/support/run_engine.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

using testing::DefaultProject;

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

using testing::kEngineFailed;
using testing::RunEngineIn;

TEST(Engine, NoArgumentFailsWithoutOutput) {
    TempDir dir;
    EXPECT_EQ(RunEngineIn(dir.path(), {}), kEngineFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Results.txt"));
}

TEST(Engine, MissingDataFileFailsAndLeavesOldResults) {
    TempDir dir;
    WriteText(dir.File("Results.txt"), "old");
    EXPECT_EQ(RunEngineIn(dir.path(), {"absent.inp"}), kEngineFailed);
    EXPECT_EQ(ReadText(dir.File("Results.txt")), "old");
}

TEST(Engine, EmptyDataFileStillWritesEveryResult) {
    TempDir dir;
    WriteText(dir.File("empty.inp"), "");
    EXPECT_EQ(RunEngineIn(dir.path(), {"empty.inp"}), 0);
    const std::string results = ReadText(dir.File("Results.txt"));
    EXPECT_EQ(results.rfind("TSS Removal Rate (/day): \n0\n", 0), 0u);
    EXPECT_NE(results.find("ARhoB_entered: \n"), std::string::npos);
}

TEST(Engine, ResultsGoToTheWorkingFolderAndSecondArgumentIsIgnored) {
    TempDir data_dir, work_dir;
    ASSERT_EQ(WriteProjectFile(data_dir.File("p.inp"), DefaultProject()), 0);
    EXPECT_EQ(RunEngineIn(work_dir.path(), {data_dir.File("p.inp"), "ignored.inp"}), 0);
    EXPECT_TRUE(std::filesystem::exists(work_dir.path() / "Results.txt"));
    EXPECT_FALSE(std::filesystem::exists(data_dir.path() / "Results.txt"));
    EXPECT_FALSE(std::filesystem::exists(work_dir.path() / "ignored.inp"));
}

TEST(Engine, ResultsThatCannotBeCreatedFailTheRunAndLeaveNothingBehind) {
    TempDir dir;
    ASSERT_EQ(WriteProjectFile(dir.File("p.inp"), DefaultProject()), 0);
    std::filesystem::create_directory(dir.path() / "Results.txt");
    EXPECT_EQ(RunEngineIn(dir.path(), {"p.inp"}), kEngineFailed);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Results.txt"));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2);  // p.inp and the folder: no partial results beside them
}

}  // namespace
}  // namespace velmar
