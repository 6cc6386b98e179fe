#include "project/csv_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace velmar {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string NumberText(double x) {
    if (std::isnan(x)) return "nan";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, x);
    return std::string(text, result.ptr);
}

std::string ShownNumber(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", x);
    return text;
}

}  // namespace velmar
