// A study that cannot go ahead as asked, with the reason in words the user can act on.
#pragma once

#include <stdexcept>

namespace velmar::study {

struct StudyError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace velmar::study
