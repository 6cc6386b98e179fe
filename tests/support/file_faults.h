// File-system faults for tests of saving: a disk that fills part way through a save, and
// checks run as an ordinary user even when the tests run as root.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "project/project_file_writer.h"
#include "tests/support/temp_dir.h"

namespace velmar::testing {

#ifdef _WIN32

// Windows has no superuser whom a read-only file would not stop: every check runs as is.
inline void HandToOrdinaryUser(const std::filesystem::path&) {}
inline void AsOrdinaryUser(const std::function<void()>& check) {
    check();
}

#else

// While it lives, the project file writer's writes take the given number of bytes in all,
// then fail as on a full disk.
class FullDisk {
public:
    explicit FullDisk(std::size_t free_bytes) {
        free_bytes_ = free_bytes;
        previous_ = SetProjectFileWriteBytes(Write);
    }
    ~FullDisk() { SetProjectFileWriteBytes(previous_); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    static std::ptrdiff_t Write(int descriptor, const void* data, std::size_t size) {
        if (free_bytes_ == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::ptrdiff_t written = ::write(descriptor, data, std::min(size, free_bytes_));
        if (written > 0) free_bytes_ -= static_cast<std::size_t>(written);
        return written;
    }

    static inline std::size_t free_bytes_ = 0;
    WriteBytesFunction previous_;
};

inline bool RunningAsRoot() {
    return ::geteuid() == 0;
}

// The ordinary user the checks run as under root.
inline const passwd* OrdinaryUser() {
    return ::getpwnam("nobody");
}

// Gives a folder and everything in it to the ordinary user, when running as root.
inline void HandToOrdinaryUser(const std::filesystem::path& folder) {
    if (!RunningAsRoot()) return;
    const passwd* user = OrdinaryUser();
    ASSERT_NE(user, nullptr);
    ASSERT_EQ(::lchown(folder.c_str(), user->pw_uid, user->pw_gid), 0);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        ASSERT_EQ(::lchown(entry.path().c_str(), user->pw_uid, user->pw_gid), 0) << entry.path();
}

// Runs a check as an ordinary user meets the file system. As root, which the system lets
// write anything, the check runs in a child process that has given up root's privileges;
// the child prints its failures and its exit status fails the test here.
inline void AsOrdinaryUser(const std::function<void()>& check) {
    if (!RunningAsRoot()) {
        check();
        return;
    }
    const passwd* user = OrdinaryUser();
    ASSERT_NE(user, nullptr);
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(user->pw_gid) != 0 || ::setuid(user->pw_uid) != 0)
            _exit(2);
        try {
            check();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "the check threw: " << e.what();
        }
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the check failed as an ordinary user";
}

#endif

// What a folder holds, name by name: a file's text, a link's target, or "<folder>".
inline std::map<std::string, std::string> FolderContents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_symlink())
            contents[name] = "-> " + std::filesystem::read_symlink(entry.path()).string();
        else if (entry.is_directory())
            contents[name] = "<folder>";
        else
            contents[name] = ReadText(entry.path().string());
    }
    return contents;
}

}  // namespace velmar::testing
