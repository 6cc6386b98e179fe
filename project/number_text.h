// Doubles to text and back, written and read alike on every build and in any locale: the
// conversions of <charconv>, which some standard libraries offer for whole numbers only.
#pragma once

#include <charconv>
#include <cstddef>
#include <string>

namespace velmar {

// Room enough for any text ShortestText writes.
inline constexpr std::size_t kShortestTextSize = 32;

// Writes at `out` the shortest text that reads back as x, laid out as std::to_chars(x) lays it
// out: fixed or scientific, whichever is shorter, fixed on a tie ("100000", "1e+06", "0.0001",
// "1e-05"); "inf", "nan" with their signs. Returns the end of what it wrote.
char* ShortestText(char* out, double x);

// x as printf's "%.<digits>g" writes it in the C locale, with a point whatever the locale;
// `digits` at most 40.
std::string GeneralText(double x, int digits);

// Reads a number at the start of [first, last) as std::from_chars(first, last, value) does:
// an optional minus, decimal digits with an optional point and exponent, "inf", "infinity" or
// "nan" in any case; no blank, plus sign or hexadecimal. A number too large or too small for
// a double leaves `value` as it was and gives result_out_of_range; no number gives
// invalid_argument with `first`.
std::from_chars_result ReadNumber(const char* first, const char* last, double& value);

}  // namespace velmar
