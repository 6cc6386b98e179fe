// Numbers typed on the command line.
#pragma once

#include <cstdint>
#include <string_view>

namespace velmar::study {

// The whole text as a finite number, or a StudyError that quotes it and says what it is for.
double ParseNumber(std::string_view text, std::string_view what);

// The whole text as a whole number from min to max, written in plain decimal digits: no sign,
// blank, leading zero (which other programs read as octal) or 0x. Anything else is a
// StudyError that quotes the text, says what it is for and gives the range.
std::uint64_t ParseWholeNumber(std::string_view text, std::string_view what, std::uint64_t min,
                               std::uint64_t max);

}  // namespace velmar::study
