// A study that cannot go ahead as asked, with the reason in words the user can act on.
#pragma once

#include <stdexcept>
#include <string>

namespace velmar::study {

// What kind of fault it is, for callers that answer each kind differently (the Python
// module raises KeyError, TypeError, ValueError or OSError): a value that will not do, a
// name that is none of the known ones, a field that holds a name where a number is wanted,
// or a file that cannot be read.
enum class StudyErrorKind { BadValue, UnknownName, NotANumber, File };

struct StudyError : std::runtime_error {
    explicit StudyError(const std::string& message, StudyErrorKind kind = StudyErrorKind::BadValue)
        : std::runtime_error(message), kind(kind) {}
    StudyErrorKind kind;
};

}  // namespace velmar::study
