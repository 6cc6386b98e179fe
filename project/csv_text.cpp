#include "project/csv_text.h"

#include <cmath>

#include "project/number_text.h"

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
    char text[kShortestTextSize];
    return std::string(text, ShortestText(text, x));
}

std::string ShownNumber(double x) {
    return GeneralText(x, 4);
}

}  // namespace velmar
