// File names as the program holds them: UTF-8 text, whatever the system's own encoding of
// names. Windows' narrow file functions take a name in the user's code page, which cannot
// spell every name ("C:\Users\Zoë\Wetlands\site one.inp" in a Greek one), so there files are
// reached through the wide-character functions.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace velmar {

// Tries at a free temporary name beside a file being written before giving up.
constexpr int kTemporaryNameAttempts = 100;

std::filesystem::path PathFromText(const std::string& name);
std::string TextFromPath(const std::filesystem::path& path);

// std::fopen for a UTF-8 name; the mode's text or binary choice as the system makes it.
std::FILE* OpenFile(const std::string& name, const char* mode);

// Creates a new file for writing text; nullptr, with errno EEXIST, when the name is taken.
// (Windows' C runtime does not know fopen's "x", and would overwrite the file.)
std::FILE* CreateNewFile(const std::string& name);

}  // namespace velmar
