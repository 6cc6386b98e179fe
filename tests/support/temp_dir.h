// A scratch folder for one test, removed afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "project/file_names.h"

namespace velmar::testing {

class TempDir {
public:
#ifdef _WIN32
    TempDir() {
        std::random_device pick;
        do {
            path_ = std::filesystem::temp_directory_path() / ("velmar-test-" + std::to_string(pick()));
        } while (!std::filesystem::create_directory(path_));
    }
#else
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmar-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
#endif
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const {
        return path_;
    }
    // A file in the folder, named in UTF-8 as the program names files.
    std::string File(const std::string& name) const {
        return TextFromPath(path_ / PathFromText(name));
    }

private:
    std::filesystem::path path_;
};

// A file's text as a program reads it in text mode: on Windows, CR LF line ends read as LF.
inline std::string ReadText(const std::string& path) {
    std::ifstream in(PathFromText(path));
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file's bytes as they are on disk.
inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(PathFromText(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(PathFromText(path), std::ios::binary) << text;
}

}  // namespace velmar::testing
