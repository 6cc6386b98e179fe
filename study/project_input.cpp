#include "study/project_input.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string_view>
#include <vector>

#include "model/input.h"
#include "project/file_entries.h"
#include "project/file_names.h"
#include "project/number_text.h"
#include "project/project_file.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

// A project file is a header line and two lines for each of its at most 600 entries, none
// of them much longer than the 80 characters of a label line. Four times that for every
// line is more than any project file needs, and stops a read of something endless.
constexpr std::size_t kLongestLine = 4 * (kLongestLabelLine + 1);
constexpr std::size_t kLargestProjectFile = (1 + 2 * kFileEntryCount) * kLongestLine;
// A value quoted in a message is cut to this many characters.
constexpr std::size_t kLongestQuote = 40;

[[noreturn]] void Refuse(const std::string& path, const std::string& reason) {
    throw StudyError(path + ": " + reason, StudyErrorKind::File);
}

// The whole file, or a refusal when it is larger than any project file can be.
std::string ReadBounded(const std::string& path, std::FILE* file) {
    std::string text(kLargestProjectFile + 1, '\0');
    const std::size_t size = std::fread(text.data(), 1, text.size(), file);
    if (size > kLargestProjectFile) {
        Refuse(path, "larger than any project file can be (" + std::to_string(kLargestProjectFile) +
                         " bytes: " + std::to_string(kFileEntryCount) + " entries of two lines)");
    }
    text.resize(size);
    return text;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\v\f");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\v\f") - first + 1);
}

std::string Quoted(std::string_view text) {
    if (text.empty()) return "an empty line";
    if (text.size() <= kLongestQuote) return "'" + std::string(text) + "'";
    return "'" + std::string(text.substr(0, kLongestQuote)) + "...' (" + std::to_string(text.size()) +
           " characters)";
}

// What is wrong with a value line for an entry of this kind, or nothing: a value the
// engine's reading would take only in part, or not at all, which puts every later entry out
// of step; or one that is no finite number.
std::string ValueFault(std::string_view line, FieldKind kind) {
    const std::string_view text = Trimmed(line);
    const bool plus = text.size() > 1 && text.front() == '+' && text[1] != '-';
    const std::string_view number = plus ? text.substr(1) : text;
    const char* end = number.data() + number.size();
    switch (kind) {
        case FieldKind::Int: {
            std::int32_t value = 0;
            const auto [stop, error] = std::from_chars(number.data(), end, value);
            if (number.empty() || error != std::errc() || stop != end)
                return "takes a whole number from " +
                       std::to_string(std::numeric_limits<std::int32_t>::min()) + " to " +
                       std::to_string(std::numeric_limits<std::int32_t>::max()) + ", not " + Quoted(text);
            return {};
        }
        case FieldKind::Real: {
            double value = 0;
            const auto [stop, error] = ReadNumber(number.data(), end, value);
            if (error == std::errc::result_out_of_range)
                return "takes a number, not " + Quoted(text) + ", which is beyond the range of numbers";
            if (number.empty() || error != std::errc() || stop != end)
                return "takes a number, not " + Quoted(text);
            if (!std::isfinite(value)) return "takes a finite number, not " + Quoted(text);
            return {};
        }
        case FieldKind::Name:
            if (text.empty() || text.find_first_of(" \t\v\f") != std::string_view::npos)
                return "takes a name of one word, not " + Quoted(text);
            return {};
    }
    return {};
}

// Refuses a file that the engine would read other than its author meant: one that ends
// before the last entry its version has, a label line the engine reads in pieces, or a value
// that is not of its entry's kind. Blank lines after a value are passed over, as the engine
// passes over them.
void CheckEntries(const std::string& path, std::string_view text, int layout) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    const auto at = [](std::size_t i) { return "line " + std::to_string(i + 1) + ": "; };
    std::size_t i = 1;  // the header is line 1
    for (std::size_t n = 1; n <= kFileEntryCount; ++n) {
        if (!LayoutHasEntry(layout, n)) continue;
        const FileEntry& e = kFileEntries[n - 1];
        const std::string entry = "'" + std::string(e.label) + "'";
        if (i + 1 >= lines.size()) {
            Refuse(path, "the file ends after line " + std::to_string(lines.size()) +
                             ", before the value of " + entry + " and the entries after it");
        }
        const std::string_view label = lines[i];
        if (label.size() - (label.ends_with('\r') ? 1 : 0) > kLongestLabelLine) {
            Refuse(path, at(i) + "a label line of more than " + std::to_string(kLongestLabelLine) +
                             " characters, where " + entry + " belongs");
        }
        if (const std::string fault = ValueFault(lines[i + 1], e.kind); !fault.empty())
            Refuse(path, at(i + 1) + entry + " " + fault);
        i += 2;
        while (i < lines.size() && Trimmed(lines[i]).empty()) ++i;
    }
}

}  // namespace

void ReadStudyProject(const std::string& path, ModelState& s) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(PathFromText(path), ec);
    if (std::filesystem::is_directory(status)) Refuse(path, "is a folder, not a project file");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        Refuse(path, "not a project file (a device, a pipe or the like, not a file)");
    std::FILE* file = OpenFile(path, "r");
    if (file == nullptr) Refuse(path, std::strerror(errno));
    std::string text;
    try {
        text = ReadBounded(path, file);
    } catch (...) {
        std::fclose(file);
        throw;
    }
    std::rewind(file);
    SetEngineStartValues(s);
    const ProjectFileHeader header = ReadProjectEntries(file, s);
    std::fclose(file);
    if (header.layout == kLayoutUnknown)
        Refuse(path, "not a project file (its first line names no project file version)");
    CheckEntries(path, text, header.layout);
}

}  // namespace velmar::study
