#include "study/output_target.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include "study/study_error.h"

namespace velmar::study {

std::ostream& OutputTarget::Open() {
    if (path_.empty() || path_ == "-") return std::cout;
    if (!open_) {
        errno = 0;
        file_.open(path_, std::ios::binary | std::ios::trunc);
        if (!file_)
            throw StudyError("cannot write " + path_ + ": " + (errno ? std::strerror(errno) : "cannot open"));
        open_ = true;
    }
    return file_;
}

void OutputTarget::Close() {
    std::ostream& out = Open();
    out.flush();
    if (!out) throw StudyError("cannot write " + (open_ ? path_ : std::string("standard output")));
    if (open_) {
        file_.close();
        if (!file_) throw StudyError("cannot write " + path_);
    }
}

}  // namespace velmar::study
