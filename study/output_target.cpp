#include "study/output_target.h"

#include <filesystem>
#include <iostream>
#include <streambuf>

#include "project/file_names.h"
#include "project/file_replacement.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

namespace fs = std::filesystem;

// Bytes gathered before they are handed to the file.
constexpr std::size_t kBufferSize = 1 << 16;

bool IsStandardOutput(const std::string& path) {
    return path.empty() || path == "-";
}

// Whether the path names something other than a regular file: a device, a pipe.
bool IsSpecialFile(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(PathFromText(path), ec);
    return !ec && fs::exists(status) && !fs::is_regular_file(status);
}

bool SameFile(const std::string& a, const std::string& b) {
    const fs::path pa = PathFromText(a), pb = PathFromText(b);
    std::error_code ec;
    if (fs::exists(pa, ec) && fs::exists(pb, ec)) return fs::equivalent(pa, pb, ec);
    const auto absolute = [](const fs::path& p) {
        std::error_code error;
        const fs::path canonical = fs::weakly_canonical(p, error);
        return error ? fs::absolute(p, error).lexically_normal() : canonical;
    };
    return absolute(pa) == absolute(pb);
}

}  // namespace

// Gathers what the study writes and hands it to the new file in large pieces; the first
// failure is thrown, which the stream passes on because it is told to on badbit.
class OutputTarget::FileBuffer : public std::streambuf {
public:
    explicit FileBuffer(const std::string& path) : path_(path) {
        Check(file_.Begin(path, SpecialFiles::WriteInPlace));
        buffer_.reserve(kBufferSize);
    }

    void Finish() {
        Flush();
        Check(file_.Finish());
    }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        buffer_ += traits_type::to_char_type(c);
        if (buffer_.size() >= kBufferSize) Flush();
        return c;
    }

    std::streamsize xsputn(const char* data, std::streamsize size) override {
        buffer_.append(data, static_cast<std::size_t>(size));
        if (buffer_.size() >= kBufferSize) Flush();
        return size;
    }

    int sync() override {
        Flush();
        return 0;
    }

private:
    void Flush() {
        if (buffer_.empty()) return;
        Check(file_.Write(buffer_));
        buffer_.clear();
    }

    void Check(std::error_code ec) const {
        if (ec) throw StudyError("cannot write " + path_ + ": " + ec.message(), StudyErrorKind::File);
    }

    std::string path_;
    FileReplacement file_;
    std::string buffer_;
};

OutputTarget::OutputTarget(std::string path) : path_(std::move(path)) {}

OutputTarget::~OutputTarget() = default;

std::ostream& OutputTarget::Open() {
    if (IsStandardOutput(path_)) return std::cout;
    if (!file_) {
        buffer_ = std::make_unique<FileBuffer>(path_);
        file_ = std::make_unique<std::ostream>(buffer_.get());
        file_->exceptions(std::ios::badbit);
    }
    return *file_;
}

void OutputTarget::Close() {
    std::ostream& out = Open();
    if (!file_) {
        out.flush();
        if (!out) throw StudyError("cannot write standard output", StudyErrorKind::File);
        return;
    }
    buffer_->Finish();
}

void CheckOutputsApart(const std::vector<std::string>& inputs, const std::vector<NamedFile>& outputs) {
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const auto& [option, path] = outputs[i];
        if (IsStandardOutput(path) || IsSpecialFile(path)) continue;
        for (const std::string& input : inputs) {
            if (SameFile(path, input)) {
                throw StudyError(option + " " + path + ": the same file as the input " + input +
                                 "; give the output a name of its own");
            }
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (!IsStandardOutput(outputs[j].second) && SameFile(path, outputs[j].second)) {
                throw StudyError(option + " " + path + ": the same file as " + outputs[j].first + " " +
                                 outputs[j].second + "; give each output a name of its own");
            }
        }
    }
}

}  // namespace velmar::study
