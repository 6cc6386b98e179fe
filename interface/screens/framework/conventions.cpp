#include "interface/screens/framework/conventions.h"

#include <cmath>
#include <string>

#include "interface/session/state.h"
#include "project/number_text.h"

namespace velmar {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool IsNumberText(std::string_view text) {
    int points = 0;
    int exponents = 0;
    int pluses = 0;
    int minuses = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) continue;
        // An exponent letter allows each sign a second time.
        const int signs_allowed = exponents > 0 ? 2 : 1;
        switch (c) {
            case '.':
                if (++points > 1) return false;
                break;
            case 'e':
            case 'E':
                if (i == 0 || ++exponents > 1) return false;
                break;
            case '+':
                if (++pluses > signs_allowed) return false;
                break;
            case '-':
                if (++minuses > signs_allowed) return false;
                break;
            default: return false;
        }
    }
    return true;
}

std::optional<double> NumberTextValue(std::string_view text) {
    if (text.size() > kFieldTextLimit || !IsNumberText(text)) return std::nullopt;
    // One leading sign, then the longest number that follows; a second sign ends it.
    std::size_t start = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) start = 1;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) return 0.0;
    double value = 0.0;
    const auto [end, error] = ReadNumber(text.data() + start, text.data() + text.size(), value);
    if (error == std::errc::invalid_argument) return 0.0;
    if (error == std::errc::result_out_of_range || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::string FormatNumberText(double value) {
    std::string shown = GeneralText(value, 6);
    const std::size_t letter = shown.find('e');
    if (letter == std::string::npos) return shown;
    // Exponent: its sign, then its digits without leading zeros.
    std::string exponent = shown.substr(letter + 1, 1);
    const std::size_t digits = shown.find_first_not_of('0', letter + 2);
    exponent += digits == std::string::npos ? "0" : shown.substr(digits);
    // Mantissa: no trailing zeros of a fraction, and no bare point.
    std::string mantissa = shown.substr(0, letter);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + 'e' + exponent;
}

void Accept(Dialog& d) {
    Shell().changes = true;
    d.End(kAccepted);
}

void Dismiss(Dialog& d) {
    d.End(kNotAccepted);
}

void ChainTo(Dialog& d, bool (*show_next)(Ui&, Owner)) {
    if (show_next(d.ui(), d)) Accept(d);
}

void ScreenMessage(Dialog& d, const std::string& text, const std::string& caption) {
    d.ui().MessageBox(d, text, caption, Buttons::Ok);
}

}  // namespace velmar
