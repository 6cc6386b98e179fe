// How a save replaces the file on disk: links, owner, mode, the temporary file beside it,
// and a save killed part way.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "project/project_file.h"
#include "tests/support/default_project.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;
using testing::DefaultProject;
using testing::FolderContents;
using testing::ReadText;
using testing::TempDir;

ProjectRecord ProjectAtDepth(double depth) {
    ProjectRecord r = DefaultProject();
    r.depth = depth;
    return r;
}

// The text a save of the project writes.
std::string SavedText(const ProjectRecord& r) {
    TempDir dir;
    EXPECT_EQ(WriteProjectFile(dir.File("p.inp"), r), 0);
    return ReadText(dir.File("p.inp"));
}

struct stat StatOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st;
}

TEST(ProjectFileWriter, SavingThroughSymbolicLinksReplacesTheLinkedFileAndKeepsTheLinks) {
    TempDir dir;
    fs::create_directory(dir.path() / "real");
    const std::string real = dir.File("real/site.inp");
    ASSERT_EQ(WriteProjectFile(real, ProjectAtDepth(2)), 0);
    fs::create_symlink("real/site.inp", dir.path() / "near.inp");  // relative to the link's folder
    fs::create_symlink(dir.path() / "near.inp", dir.path() / "far.inp");

    ASSERT_EQ(WriteProjectFile(dir.File("far.inp"), ProjectAtDepth(3)), 0);
    EXPECT_EQ(ReadText(real), SavedText(ProjectAtDepth(3)));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "near.inp"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "far.inp"));
    EXPECT_EQ(fs::read_symlink(dir.path() / "near.inp"), "real/site.inp");

    // A link to a file not yet there: the save creates that file.
    fs::create_symlink("real/new.inp", dir.path() / "pending.inp");
    ASSERT_EQ(WriteProjectFile(dir.File("pending.inp"), ProjectAtDepth(4)), 0);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "pending.inp"));
    EXPECT_EQ(ReadText(dir.File("real/new.inp")), SavedText(ProjectAtDepth(4)));
}

TEST(ProjectFileWriter, EveryHardLinkSeesTheSavedProject) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(2)), 0);
    fs::create_hard_link(path, dir.path() / "shared.inp");
    const ino_t inode = StatOf(path).st_ino;

    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(3)), 0);
    EXPECT_EQ(ReadText(dir.File("shared.inp")), SavedText(ProjectAtDepth(3)));
    EXPECT_EQ(StatOf(path).st_ino, inode);
    EXPECT_EQ(StatOf(path).st_nlink, 2u);
    EXPECT_EQ(FolderContents(dir.path()).size(), 2u);  // no temporary file left
}

TEST(ProjectFileWriter, NewFileTakesTheUsersUmaskAndAReplacedFileKeepsItsMode) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    const mode_t saved_mask = ::umask(027);
    const int written = WriteProjectFile(path, DefaultProject());
    ::umask(saved_mask);
    ASSERT_EQ(written, 0);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u);

    for (const mode_t mode : {0600u, 0604u, 0664u, 0200u}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        const ino_t inode = StatOf(path).st_ino;
        ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(mode)), 0);
        EXPECT_EQ(StatOf(path).st_mode & 07777, mode);
        EXPECT_NE(StatOf(path).st_ino, inode);  // replaced whole, not rewritten
        ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
        EXPECT_EQ(ReadText(path), SavedText(ProjectAtDepth(mode)));
    }
}

TEST(ProjectFileWriter, ExistingFilesNamedLikeTheTemporaryFileAreLeftAlone) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    testing::WriteText(path + ".saving", "the user's own");
    testing::WriteText(path + ".saving-AAAAAA", "the user's own too");
    ASSERT_EQ(WriteProjectFile(path, DefaultProject()), 0);
    const auto contents = FolderContents(dir.path());
    EXPECT_EQ(contents.size(), 3u);
    EXPECT_EQ(contents.at("site.inp.saving"), "the user's own");
    EXPECT_EQ(contents.at("site.inp.saving-AAAAAA"), "the user's own too");
}

TEST(ProjectFileWriter, WriteProtectedFileIsRefusedEvenToTheSuperuser) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(2)), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    std::error_code reason;
    EXPECT_EQ(WriteProjectFile(path, ProjectAtDepth(3), &reason), -1);
    EXPECT_EQ(reason, std::errc::permission_denied);
    EXPECT_EQ(ReadText(path), SavedText(ProjectAtDepth(2)));
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0444u);
}

TEST(ProjectFileWriter, FullDiskPartWayLeavesEveryNameOfTheFileAsItWas) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(2)), 0);
    fs::create_hard_link(path, dir.path() / "shared.inp");
    fs::create_symlink("site.inp", dir.path() / "link.inp");
    const auto before = FolderContents(dir.path());
    for (const char* name : {"site.inp", "shared.inp", "link.inp"}) {
        SCOPED_TRACE(name);
        testing::FullDisk disk(5000);
        std::error_code reason;
        EXPECT_EQ(WriteProjectFile(dir.File(name), ProjectAtDepth(3), &reason), -1);
        EXPECT_EQ(reason, std::errc::no_space_on_device);
        EXPECT_EQ(FolderContents(dir.path()), before);
    }
}

// Owners can be given away and taken back only by root.
class ProjectFileOwner : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::RunningAsRoot()) GTEST_SKIP() << "changing a file's owner needs root";
        ASSERT_NE(testing::OrdinaryUser(), nullptr);
    }
    uid_t user() const { return testing::OrdinaryUser()->pw_uid; }
    gid_t group() const { return testing::OrdinaryUser()->pw_gid; }
};

TEST_F(ProjectFileOwner, SuperuserSavingAUsersPrivateFileLeavesItTheUsers) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(2)), 0);
    ASSERT_EQ(::chown(path.c_str(), user(), group()), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(3)), 0);
    const struct stat st = StatOf(path);
    EXPECT_EQ(st.st_uid, user());
    EXPECT_EQ(st.st_gid, group());
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(ReadText(path), SavedText(ProjectAtDepth(3)));
}

TEST_F(ProjectFileOwner, AnOwnerTheUserCannotGiveIsKeptByWritingInPlace) {
    TempDir dir;
    testing::HandToOrdinaryUser(dir.path());
    const std::string path = dir.File("site.inp");
    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(2)), 0);  // root's file
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    const ino_t inode = StatOf(path).st_ino;
    const std::string expected = SavedText(ProjectAtDepth(3));
    testing::AsOrdinaryUser([&] {
        EXPECT_EQ(WriteProjectFile(path, ProjectAtDepth(3)), 0);
        EXPECT_EQ(ReadText(path), expected);
    });
    const struct stat st = StatOf(path);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(st.st_ino, inode);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
    EXPECT_EQ(FolderContents(dir.path()).size(), 1u);
}

// A child saves two projects in turn, as fast as it can, and is killed at random moments:
// the file must always hold one of them whole.
TEST(ProjectFileWriter, SaveKilledAtAnyMomentLeavesTheOldOrTheNewProject) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    const ProjectRecord projects[] = {ProjectAtDepth(2), ProjectAtDepth(3)};
    const std::string texts[] = {SavedText(projects[0]), SavedText(projects[1])};
    ASSERT_EQ(WriteProjectFile(path, projects[0]), 0);

    std::minstd_rand random(20240611);
    std::uniform_int_distribution<int> microseconds(0, 20000);  // a save with its syncs takes milliseconds
    constexpr int kKills = 40;
    for (int kill = 0; kill < kKills; ++kill) {
        std::fflush(nullptr);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 1;; ++n) WriteProjectFile(path, projects[n % 2]);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);
        const std::string text = ReadText(path);
        ASSERT_TRUE(text == texts[0] || text == texts[1]) << "after kill " << kill << ":\n"
                                                          << text.substr(0, 200);
    }
}

}  // namespace
}  // namespace velmar
