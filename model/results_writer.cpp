#include "model/results_writer.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "project/file_names.h"

namespace velmar {
namespace {

template <typename... Values>
void AppendFormatted(std::string& text, const char* format, Values... values) {
    const int size = std::snprintf(nullptr, 0, format, values...);
    if (size <= 0) return;
    const std::size_t end = text.size();
    text.resize(end + static_cast<std::size_t>(size) + 1);
    std::snprintf(text.data() + end, static_cast<std::size_t>(size) + 1, format, values...);
    text.resize(end + static_cast<std::size_t>(size));
}

void AppendEntry(std::string& text, const ModelState& s, const ResultsEntry& e) {
    const double value = ResultsValue(s, s, e);
    const char* name = ResultsEntryName(s, e);
    if (e.source == ResultsSource::RecordInt) {
        const int v = static_cast<int>(value);
        if (name) {
            AppendFormatted(text, e.format, name, v);
        } else {
            AppendFormatted(text, e.format, v);
        }
    } else if (name) {
        AppendFormatted(text, e.format, name, value);
    } else {
        AppendFormatted(text, e.format, value);
    }
}

// A name beside the target from the clock's ticks and the attempt, so that it is unlikely
// to be taken and differs from one attempt to the next.
std::string TemporaryName(const std::string& path, int attempt) {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%llx-%d.tmp", static_cast<unsigned long long>(ticks), attempt);
    return path + suffix;
}

// Creates the temporary file; its name in `name`, or nullptr when no name could be taken.
std::FILE* CreateTemporary(const std::string& path, ResultsFiles& files, std::string& name) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        name = TemporaryName(path, attempt);
        errno = 0;
        if (std::FILE* file = files.CreateNew(name)) return file;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

}  // namespace

std::string ResultsText(const ModelState& s) {
    std::string text;
    for (const ResultsEntry& e : kResultsEntries) AppendEntry(text, s, e);
    return text;
}

std::FILE* ResultsFiles::CreateNew(const std::string& path) {
    return CreateNewFile(path);
}

bool ResultsFiles::Write(std::FILE* file, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

bool ResultsFiles::Close(std::FILE* file) {
    const bool flushed = std::fflush(file) == 0 && std::ferror(file) == 0;
    return std::fclose(file) == 0 && flushed;
}

bool ResultsFiles::Replace(const std::string& from, const std::string& to) {
    std::error_code ec;
    std::filesystem::rename(PathFromText(from), PathFromText(to), ec);
    return !ec;
}

void ResultsFiles::Remove(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(PathFromText(path), ignored);
}

bool WriteResultsFile(const std::string& path, const ModelState& s, ResultsFiles& files) {
    const std::string text = ResultsText(s);
    std::string temporary;
    std::FILE* file = CreateTemporary(path, files, temporary);
    if (file == nullptr) return false;
    const bool written = files.Write(file, text);
    const bool closed = files.Close(file);
    if (written && closed && files.Replace(temporary, path)) return true;
    files.Remove(temporary);
    return false;
}

bool WriteResultsFile(const std::string& path, const ModelState& s) {
    ResultsFiles files;
    return WriteResultsFile(path, s, files);
}

}  // namespace velmar
