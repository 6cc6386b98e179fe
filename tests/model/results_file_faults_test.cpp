// Writing "Results.txt" when the file system fails: the file appears whole or not at all.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "model/driver.h"
#include "model/results_writer.h"
#include "project/project_file.h"
#include "tests/model/model_fixture.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;
using testing::DefaultModel;
using testing::DefaultProject;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

enum class Fault {
    DiskFullPartWay,   // a write stores part of the text, then the disk is full
    DiskFullOnClose,   // the buffered rest cannot be flushed
    ReadOnlyFolder,    // no new file may be made in the folder
    FolderVanished,    // the folder is removed between writing and renaming
    FolderGoneBefore,  // the folder is gone before the run writes anything
    TargetIsAFolder,   // a folder holds the results file's name
};

// The real file operations, but for one fault.
class FaultyFiles : public ResultsFiles {
public:
    FaultyFiles(Fault fault, fs::path folder) : fault_(fault), folder_(std::move(folder)) {}

    std::FILE* CreateNew(const std::string& path) override {
        if (fault_ == Fault::ReadOnlyFolder) {
            errno = EACCES;
            return nullptr;
        }
        return ResultsFiles::CreateNew(path);
    }
    bool Write(std::FILE* file, const std::string& text) override {
        if (fault_ != Fault::DiskFullPartWay) return ResultsFiles::Write(file, text);
        ResultsFiles::Write(file, text.substr(0, text.size() / 2));
        errno = ENOSPC;
        return false;
    }
    bool Close(std::FILE* file) override {
        const bool closed = ResultsFiles::Close(file);
        if (fault_ == Fault::FolderVanished) fs::remove_all(folder_);
        if (fault_ != Fault::DiskFullOnClose) return closed;
        errno = ENOSPC;
        return false;
    }

private:
    Fault fault_;
    fs::path folder_;
};

// Names of the entries in a folder, with the content of each plain file.
std::set<std::string> FolderContent(const fs::path& folder) {
    std::set<std::string> content;
    if (!fs::exists(folder)) return content;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        content.insert(entry.is_regular_file() ? name + ": " + ReadText(entry.path().string()) : name + "/");
    }
    return content;
}

// Runs the engine in process with its current folder set to `folder`.
int RunEngineInFolder(const fs::path& folder, const std::string& data_file, ResultsFiles& files) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    auto state = std::make_unique<ModelState>();
    const char* const argv[] = {"velmar", data_file.c_str()};
    const int status = RunEngine(2, argv, *state, files);
    fs::current_path(previous);
    return status;
}

struct FaultCase {
    const char* name;
    Fault fault;
};

TEST(ResultsFileFaults, AFailedWriteLeavesNoResultsOrTheEarlierOnesUntouched) {
    const FaultCase cases[] = {
        {"disk full part way", Fault::DiskFullPartWay},  {"disk full on close", Fault::DiskFullOnClose},
        {"read-only folder", Fault::ReadOnlyFolder},     {"folder vanished", Fault::FolderVanished},
        {"folder gone before", Fault::FolderGoneBefore}, {"target is a folder", Fault::TargetIsAFolder},
    };
    for (const FaultCase& c : cases) {
        for (const bool earlier_results : {false, true}) {
            SCOPED_TRACE(std::string(c.name) +
                         (earlier_results ? ", earlier results" : ", no earlier results"));
            TempDir dir;
            const fs::path folder = dir.path() / "work";
            fs::create_directory(folder);
            if (c.fault == Fault::TargetIsAFolder) {
                fs::create_directory(folder / "Results.txt");
                WriteText((folder / "Results.txt" / "inside").string(), "kept");
            } else if (earlier_results) {
                WriteText((folder / "Results.txt").string(), "earlier results\n");
            }
            const std::set<std::string> before = FolderContent(folder);
            if (c.fault == Fault::FolderGoneBefore) fs::remove_all(folder);

            FaultyFiles files(c.fault, folder);
            EXPECT_FALSE(WriteResultsFile((folder / "Results.txt").string(), DefaultModel(), files));
            const bool folder_kept = c.fault != Fault::FolderVanished && c.fault != Fault::FolderGoneBefore;
            EXPECT_EQ(FolderContent(folder), folder_kept ? before : std::set<std::string>{});
        }
    }
}

TEST(ResultsFileFaults, TheEngineFailsTheRunWhenItsResultsCannotBeWritten) {
    for (const Fault fault : {Fault::DiskFullPartWay, Fault::DiskFullOnClose, Fault::ReadOnlyFolder}) {
        TempDir dir;
        ASSERT_EQ(WriteProjectFile(dir.File("p.inp"), DefaultProject()), 0);
        WriteText(dir.File("Results.txt"), "earlier results\n");
        const std::set<std::string> before = FolderContent(dir.path());
        FaultyFiles files(fault, dir.path());
        EXPECT_EQ(RunEngineInFolder(dir.path(), "p.inp", files), -1);
        EXPECT_EQ(FolderContent(dir.path()), before);
    }
}

// Files that exist under the first temporary names tried, as a user's own or another
// run's might.
class TakenNames : public ResultsFiles {
public:
    std::FILE* CreateNew(const std::string& path) override {
        if (taken.size() < 3) {
            WriteText(path, "someone else's");
            taken.push_back(path);
        }
        return ResultsFiles::CreateNew(path);
    }
    std::vector<std::string> taken;
};

TEST(ResultsFileFaults, ATakenTemporaryNameIsNeitherOverwrittenNorAStop) {
    TempDir dir;
    WriteText(dir.File("Results.txt"), "earlier results\n");
    TakenNames files;
    ModelState s = DefaultModel();
    s.TSS_removal_rate = 0.5;
    ASSERT_TRUE(WriteResultsFile(dir.File("Results.txt"), s, files));
    ASSERT_EQ(files.taken.size(), 3u);
    for (const std::string& name : files.taken) {
        EXPECT_EQ(fs::path(name).parent_path(), dir.path());
        EXPECT_EQ(ReadText(name), "someone else's");
    }
    EXPECT_EQ(ReadText(dir.File("Results.txt")), ResultsText(s));
    EXPECT_EQ(FolderContent(dir.path()).size(), 4u);  // the results and the three others
}

TEST(ResultsFileFaults, ASuccessfulWriteReplacesTheEarlierResultsAndLeavesNothingElse) {
    TempDir dir;
    WriteText(dir.File("Results.txt"), "earlier results\n");
    const ModelState s = DefaultModel();
    ASSERT_TRUE(WriteResultsFile(dir.File("Results.txt"), s));
    EXPECT_EQ(FolderContent(dir.path()), std::set<std::string>{"Results.txt: " + ResultsText(s)});
}

}  // namespace
}  // namespace velmar
