#include "study/parse_number.h"

#include <charconv>
#include <cmath>
#include <string>

#include "project/number_text.h"
#include "study/study_error.h"

namespace velmar::study {

double ParseNumber(std::string_view text, std::string_view what) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = ReadNumber(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        throw StudyError(std::string(what) + ": '" + std::string(text) + "' is not a number");
    }
    return value;
}

std::uint64_t ParseWholeNumber(std::string_view text, std::string_view what, std::uint64_t min,
                               std::uint64_t max) {
    std::uint64_t value = 0;
    const bool digits_only = !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    const bool plain = digits_only && (text.size() == 1 || text.front() != '0');
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!plain || error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
        throw StudyError(std::string(what) + ": '" + std::string(text) + "' is not a whole number from " +
                         std::to_string(min) + " to " + std::to_string(max));
    }
    return value;
}

}  // namespace velmar::study
