#include "project/number_text.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace velmar {
namespace {

// A positive finite double as its shortest decimal: the significant digits, without leading
// or trailing zeros, and the power of ten of the first.
struct Decimal {
    char digits[20];
    int count = 0;
    int exponent = 0;
};

// {fmt}'s Dragonbox finds the shortest digits, as std::to_chars does; its text would lay them
// out by a rule of its own, so they are taken as a whole number and a power of ten.
Decimal ShortestDecimal(double x) {
    const auto shortest = fmt::detail::dragonbox::to_decimal(x);
    std::uint64_t significand = shortest.significand;
    int power = shortest.exponent;
    for (; significand % 10 == 0; significand /= 10) ++power;
    char reversed[20];
    int count = 0;
    for (; significand != 0; significand /= 10) reversed[count++] = static_cast<char>('0' + significand % 10);
    Decimal d;
    for (int i = 0; i < count; ++i) d.digits[i] = reversed[count - 1 - i];
    d.count = count;
    d.exponent = power + count - 1;
    return d;
}

char* Copy(char* out, const char* from, int count) {
    std::memcpy(out, from, static_cast<std::size_t>(count));
    return out + count;
}

char* Zeros(char* out, int count) {
    std::memset(out, '0', static_cast<std::size_t>(count));
    return out + count;
}

char* Scientific(char* out, const Decimal& d) {
    *out++ = d.digits[0];
    if (d.count > 1) {
        *out++ = '.';
        out = Copy(out, d.digits + 1, d.count - 1);
    }
    *out++ = 'e';
    *out++ = d.exponent < 0 ? '-' : '+';
    const int power = std::abs(d.exponent);
    if (power >= 100) *out++ = static_cast<char>('0' + power / 100);
    *out++ = static_cast<char>('0' + power / 10 % 10);
    *out++ = static_cast<char>('0' + power % 10);
    return out;
}

// Below 2^53 every whole number is a double, so a whole x is its shortest digits padded with
// zeros; above, its exact digits differ from those, and std::to_chars writes the exact ones
// (at most 23: fixed is written only when no longer than scientific).
char* Fixed(char* out, double x, const Decimal& d) {
    if (d.exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        out = Zeros(out, -d.exponent - 1);
        return Copy(out, d.digits, d.count);
    }
    if (d.exponent >= d.count - 1) {
        if (x >= 0x1p53) return out + std::snprintf(out, 24, "%.0f", x);
        out = Copy(out, d.digits, d.count);
        return Zeros(out, d.exponent - (d.count - 1));
    }
    out = Copy(out, d.digits, d.exponent + 1);
    *out++ = '.';
    return Copy(out, d.digits + d.exponent + 1, d.count - d.exponent - 1);
}

int ScientificLength(const Decimal& d) {
    return d.count + (d.count > 1 ? 1 : 0) + 2 + (std::abs(d.exponent) >= 100 ? 3 : 2);
}

int FixedLength(const Decimal& d) {
    if (d.exponent < 0) return d.count + 1 - d.exponent;
    if (d.exponent >= d.count - 1) return d.exponent + 1;
    return d.count + 1;
}

// 10^0 to 10^22: the powers of ten that are doubles exactly.
constexpr auto kExactPowersOfTen = [] {
    std::array<double, 23> powers{};
    double power = 1;
    for (double& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

bool StartsWithWord(const char* first, const char* last, const char* word) {
    const auto size = static_cast<std::ptrdiff_t>(std::strlen(word));
    if (last - first < size) return false;
    for (std::ptrdiff_t i = 0; i < size; ++i) {
        if ((first[i] | 0x20) != word[i]) return false;
    }
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "inf", "infinity" or "nan" with an optional "(letters, digits or _)", at `first`; nullptr
// when there is none.
const char* SpecialEnd(const char* first, const char* last, double& value) {
    if (StartsWithWord(first, last, "inf")) {
        value = HUGE_VAL;
        return first + (StartsWithWord(first, last, "infinity") ? 8 : 3);
    }
    if (!StartsWithWord(first, last, "nan")) return nullptr;
    value = std::nan("");
    const char* end = first + 3;
    if (end == last || *end != '(') return end;
    const char* c = end + 1;
    while (c != last && (IsDigit(*c) || ((*c | 0x20) >= 'a' && (*c | 0x20) <= 'z') || *c == '_')) ++c;
    return c != last && *c == ')' ? c + 1 : end;
}

// An exponent's digits, held at a size past any that could give a finite non-zero double.
std::int64_t ExponentValue(const char* first, const char* last) {
    std::int64_t value = 0;
    for (; first != last; ++first) value = std::min<std::int64_t>(value * 10 + (*first - '0'), 1'000'000'000);
    return value;
}

// digits × 10^power, rounded as strtod rounds: 0 or infinity when past the doubles.
double DecimalValue(std::string digits, std::int64_t power) {
    for (; digits.back() == '0'; digits.pop_back()) ++power;
    // Up to 15 digits and 10^22 both are doubles exactly, so one multiplication or division
    // rounds them correctly.
    if (digits.size() <= 15 && power >= -22 && power <= 22) {
        double whole = 0;
        for (char digit : digits) whole = whole * 10 + (digit - '0');
        const double scale = kExactPowersOfTen[static_cast<std::size_t>(power < 0 ? -power : power)];
        return power < 0 ? whole / scale : whole * scale;
    }
    // Past 10^400 or below 10^-400 no double is near: the power need not reach strtod.
    if (power > 400) return HUGE_VAL;
    if (power + static_cast<std::int64_t>(digits.size()) < -400) return 0;
    // Without a point, strtod reads the text alike in every locale.
    digits += 'e' + std::to_string(power);
    const int saved_errno = errno;
    const double value = std::strtod(digits.c_str(), nullptr);
    errno = saved_errno;
    return value;
}

}  // namespace

char* ShortestText(char* out, double x) {
    if (std::signbit(x)) *out++ = '-';
    if (std::isnan(x)) return Copy(out, "nan", 3);
    x = std::fabs(x);
    if (std::isinf(x)) return Copy(out, "inf", 3);
    if (x == 0) {
        *out++ = '0';
        return out;
    }
    const Decimal d = ShortestDecimal(x);
    return FixedLength(d) <= ScientificLength(d) ? Fixed(out, x, d) : Scientific(out, d);
}

std::string GeneralText(double x, int digits) {
    char text[64];
    const std::string written(text,
                              static_cast<std::size_t>(std::snprintf(text, sizeof text, "%.*g", digits, x)));
    // The locale's decimal separator (of one or more bytes) stands after the leading digits,
    // before more digits; a letter there starts an exponent, "inf" or "nan".
    const std::size_t separator = written.find_first_not_of("-0123456789");
    if (separator == std::string::npos || written[separator] == 'e' || written[separator] == 'i' ||
        written[separator] == 'n') {
        return written;
    }
    return written.substr(0, separator) + '.' +
           written.substr(written.find_first_of("0123456789", separator));
}

std::from_chars_result ReadNumber(const char* first, const char* last, double& value) {
    const bool negative = first != last && *first == '-';
    const char* c = first + (negative ? 1 : 0);
    double special = 0;
    if (const char* end = SpecialEnd(c, last, special)) {
        value = negative ? -special : special;
        return {end, std::errc()};
    }
    // The digits, the point and the exponent, read as significant digits and a power of ten.
    std::string digits;
    std::int64_t power = 0;
    bool any_digit = false;
    for (; c != last && IsDigit(*c); ++c) {
        any_digit = true;
        if (!digits.empty() || *c != '0') digits += *c;
    }
    if (c != last && *c == '.') {
        for (++c; c != last && IsDigit(*c); ++c) {
            any_digit = true;
            if (!digits.empty() || *c != '0') digits += *c;
            --power;
        }
    }
    if (!any_digit) return {first, std::errc::invalid_argument};
    if (c != last && (*c == 'e' || *c == 'E')) {
        const char* e = c + 1;
        const bool negative_power = e != last && *e == '-';
        if (e != last && (*e == '-' || *e == '+')) ++e;
        const char* digits_end = std::find_if_not(e, last, IsDigit);
        if (digits_end != e) {
            const std::int64_t written = ExponentValue(e, digits_end);
            power += negative_power ? -written : written;
            c = digits_end;
        }
    }
    if (digits.empty()) {
        value = negative ? -0.0 : 0.0;
        return {c, std::errc()};
    }
    const double read = DecimalValue(std::move(digits), power);
    if (std::isinf(read) || read == 0) return {c, std::errc::result_out_of_range};
    value = negative ? -read : read;
    return {c, std::errc()};
}

}  // namespace velmar
