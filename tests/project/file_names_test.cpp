// Project files under any name the user can give, saved over an existing file, and their
// line ends: LF on POSIX, CR LF on Windows, either read on both.
#include "project/file_names.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "project/project_file.h"
#include "tests/support/default_project.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;
using testing::DefaultProject;
using testing::ReadBytes;
using testing::ReadText;
using testing::TempDir;

constexpr char kUsersFolder[] = "Users/Zo\xC3\xAB/Wetlands";  // Zoë, in UTF-8

ProjectRecord ProjectAtDepth(double depth) {
    ProjectRecord r = DefaultProject();
    r.depth = depth;
    return r;
}

TEST(ProjectFileNames, ANameWithSpacesAndAccentsIsSavedReplacedAndOpened) {
    TempDir dir;
    fs::create_directories(dir.path() / PathFromText(kUsersFolder));
    const std::string path = dir.File(std::string(kUsersFolder) + "/site one.inp");
    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(2)), 0);
    std::error_code reason;
    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(3), &reason), 0) << reason.message();

    // The file has the name asked for, in the system's own spelling, and nothing beside it.
    const fs::path folder = dir.path() / PathFromText(kUsersFolder);
    EXPECT_TRUE(fs::is_regular_file(folder / fs::path(u8"site one.inp")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(path, opened), 0);
    EXPECT_EQ(opened.depth, 3);
}

TEST(ProjectFileNames, AFileNamedLikeTheTemporaryFileIsLeftAlone) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    testing::WriteText(path + ".saving", "the user's own");
    ASSERT_EQ(WriteProjectFile(path, DefaultProject()), 0);
    ASSERT_EQ(WriteProjectFile(path, DefaultProject()), 0);
    EXPECT_EQ(ReadText(path + ".saving"), "the user's own");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
}

TEST(ProjectFileNames, AWriteProtectedFileOrAFolderIsNotReplaced) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    ASSERT_EQ(WriteProjectFile(path, ProjectAtDepth(2)), 0);
    const std::string before = ReadBytes(path);
    fs::permissions(PathFromText(path),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    std::error_code reason;
    EXPECT_EQ(WriteProjectFile(path, ProjectAtDepth(3), &reason), -1);
    EXPECT_EQ(reason, std::errc::permission_denied);
    EXPECT_EQ(ReadBytes(path), before);
    fs::permissions(PathFromText(path), fs::perms::owner_write, fs::perm_options::add);

    fs::create_directory(dir.path() / "folder.inp");
    EXPECT_EQ(WriteProjectFile(dir.File("folder.inp"), ProjectAtDepth(3), &reason), -1);
    EXPECT_TRUE(fs::is_directory(dir.path() / "folder.inp"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
}

TEST(ProjectFileNames, LinesEndAsTheSystemsTextFilesDoAndEitherEndReads) {
    TempDir dir;
    const std::string path = dir.File("site.inp");
    ProjectRecord saved = ProjectAtDepth(2);
    SetName(saved.HMName2, "Cadmium");
    ASSERT_EQ(WriteProjectFile(path, saved), 0);
    const std::string bytes = ReadBytes(path);
#ifdef _WIN32
    EXPECT_EQ(bytes.rfind("Velmar v2.2 release 1 data file.\r\n", 0), 0u);
    const std::string other_system = ReadText(path);  // as written on POSIX
#else
    EXPECT_EQ(bytes.rfind("Velmar v2.2 release 1 data file.\n", 0), 0u);
    std::string other_system;  // as written on Windows
    for (const char c : bytes) other_system += c == '\n' ? std::string("\r\n") : std::string(1, c);
#endif
    EXPECT_EQ(bytes.find("\r\r"), std::string::npos);
    testing::WriteText(dir.File("other.inp"), other_system);
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("other.inp"), opened), 0);
    EXPECT_STREQ(opened.HMName2, "Cadmium");
    ASSERT_EQ(WriteProjectFile(dir.File("again.inp"), opened), 0);
    EXPECT_EQ(ReadBytes(dir.File("again.inp")), bytes);
}

}  // namespace
}  // namespace velmar
