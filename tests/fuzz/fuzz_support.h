// What the fuzz targets share: files in a scratch folder, failure reports, and the
// values a project file keeps of a record.
#pragma once

#include <stdlib.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "project/file_entries.h"
#include "project/record.h"

namespace velmar::fuzz {

// Reports a broken property and ends the run, so the fuzzer keeps the input.
[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "fuzz check failed: %s %.*s\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

inline void Require(bool ok, const char* what, std::string_view detail = {}) {
    if (!ok) Fail(what, detail);
}

// A folder of this process's own, removed when the run ends normally.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmar-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) Fail("cannot create a scratch folder");
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchFolder(), ec);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

inline std::string ScratchFile(const char* name) {
    return (ScratchFolder() / name).string();
}

inline void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Require(file != nullptr, "cannot create", path);
    Require(std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0, "cannot write", path);
}

inline std::string ReadBytes(const std::string& path) {
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    Require(file != nullptr, "cannot open", path);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

// The input as a read-only stream, as the readers take an open file.
inline std::FILE* OpenBytes(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    Require(file != nullptr, "fmemopen");
    return file;
}

// Equal, or both not a number.
inline bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// A real as it reads back after being printed with `format`.
inline double AsPrinted(double value, const char* format) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return std::strtod(text, nullptr);
}

// A name as the project file keeps it: one word, white space as '_', an empty name as "-".
inline std::string StoredName(const NameText& name) {
    std::string word(name, strnlen(name, kNameSize));
    for (char& c : word) {
        if (std::isspace(static_cast<unsigned char>(c))) c = '_';
    }
    return word.empty() ? "-" : word;
}

// Every entry of `back`, read from a file written from `saved`, holds what the file kept:
// integers and names exactly, reals to the four significant digits written.
inline void RequireFileKept(const ProjectRecord& saved, const ProjectRecord& back) {
    for (const FileEntry& e : kFileEntries) {
        switch (e.kind) {
            case FieldKind::Int:
                Require(IntAt(back, e) == IntAt(saved, e), "integer changed:", e.label);
                break;
            case FieldKind::Real:
                Require(Same(RealAt(back, e), AsPrinted(RealAt(saved, e), "%10.3e")),
                        "real changed:", e.label);
                break;
            case FieldKind::Name: {
                const NameText& name = NameAt(back, e);
                Require(std::memchr(name, '\0', kNameSize) != nullptr, "name without its end:", e.label);
                Require(name == StoredName(NameAt(saved, e)), "name changed:", e.label);
                break;
            }
        }
    }
}

}  // namespace velmar::fuzz
