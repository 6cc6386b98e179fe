// Numbers typed on the command line.
#pragma once

#include <string_view>

namespace velmar::study {

// The whole text as a finite number, or a StudyError that quotes it and says what it is for.
double ParseNumber(std::string_view text, std::string_view what);

}  // namespace velmar::study
