#include "study/parse_number.h"

#include <charconv>
#include <cmath>
#include <string>

#include "study/study_error.h"

namespace velmar::study {

double ParseNumber(std::string_view text, std::string_view what) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        throw StudyError(std::string(what) + ": '" + std::string(text) + "' is not a number");
    }
    return value;
}

}  // namespace velmar::study
