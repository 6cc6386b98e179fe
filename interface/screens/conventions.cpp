#include "interface/screens/conventions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "interface/resources/help_topics.h"
#include "interface/resources/screen_strings.h"
#include "interface/resources/templates.h"
#include "interface/session/help.h"
#include "interface/session/state.h"

namespace velmar {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The caption of a help topic's window. A screen naming a topic the program does not ship
// is a programming error.
const char* HelpCaption(const char* file) {
    for (const HelpTopic& topic : kHelpTopics) {
        if (std::strcmp(topic.file, file) == 0) return topic.caption;
    }
    std::abort();
}

// Events that writing to a control can raise, as opposed to the user's commands.
bool IsChangeEvent(const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::FieldEntered:
        case DialogEvent::FieldLeft:
        case DialogEvent::TextEdited:
        case DialogEvent::ItemChanged:
        case DialogEvent::Spin: return true;
        default: return false;
    }
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
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (error == std::errc::invalid_argument) return 0.0;
    if (error == std::errc::result_out_of_range || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::string FormatNumberText(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr;
    std::string shown(text, end);
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

void FillNumbers(Dialog& d, const ProjectRecord& r, std::span<const NumberField> fields) {
    for (const NumberField& f : fields) {
        if (f.enabled_when) d.Enable(f.id, r.*f.enabled_when != 0);
        d.SetText(f.id, FormatNumberText(r.*f.copy));
    }
}

bool ReadNumbers(const Dialog& d, ProjectRecord& r, std::span<const NumberField> fields,
                 DisabledFields disabled) {
    for (const NumberField& f : fields) {
        const bool enabled = d.IsEnabled(f.id);
        if (!enabled && disabled == DisabledFields::Skip) continue;
        const std::optional<double> value = NumberTextValue(d.Text(f.id));
        if (value) {
            r.*f.copy = *value;
        } else if (enabled || disabled == DisabledFields::Read) {
            return false;
        }
    }
    return true;
}

void RejectInput(Dialog& d, const ProjectRecord& r, std::span<const NumberField> fields) {
    ScreenMessage(d, kInvalidInput, kInvalidInputCaption);
    FillNumbers(d, r, fields);
}

void FillRadioGroup(Dialog& d, const ProjectRecord& r, std::span<const RadioButton> group) {
    for (const RadioButton& b : group) d.SetChecked(b.id, false);
    auto chosen =
        std::find_if(group.begin(), group.end(), [&r](const RadioButton& b) { return r.*b.copy == 1; });
    if (chosen != group.end()) d.SetChecked(chosen->id, true);
}

void ReadRadioGroup(const Dialog& d, ProjectRecord& r, std::span<const RadioButton> group) {
    for (const RadioButton& b : group) r.*b.copy = d.Checked(b.id) ? 1 : 0;
}

bool OneOptionChosen(Dialog& d, const ProjectRecord& r, std::span<const RadioButton> group) {
    int chosen = 0;
    for (const RadioButton& b : group) chosen += r.*b.copy;
    if (chosen == 1) return true;
    ScreenMessage(d, kChooseOneOption, kChooseOneOptionCaption);
    return false;
}

void FillCheckList(Dialog& d, int list, const ProjectRecord& r, std::span<const CheckItem> items) {
    std::vector<std::string> texts;
    for (const CheckItem& item : items) texts.emplace_back(item.text);
    d.SetItems(list, texts);
    for (std::size_t i = 0; i < items.size(); ++i) {
        d.SetItemChecked(list, static_cast<int>(i), r.*items[i].copy != 0);
    }
}

void ReadCheckList(const Dialog& d, int list, ProjectRecord& r, std::span<const CheckItem> items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        r.*items[i].copy = d.ItemChecked(list, static_cast<int>(i)) ? 1 : 0;
    }
}

int CountChosen(const ProjectRecord& r, std::span<const CheckItem> items) {
    int chosen = 0;
    for (const CheckItem& item : items) chosen += r.*item.copy;
    return chosen;
}

DialogProc ScreenProc(const Screen& screen) {
    auto busy = std::make_shared<bool>(false);  // the screen's procedure is handling an event
    return [screen, busy](Dialog& d, const DialogEvent& e) {
        if (*busy && IsChangeEvent(e)) return;  // raised by the procedure's own writes
        *busy = true;
        screen.proc(d, e);
        *busy = false;
        if (e.kind == DialogEvent::Clicked && e.id == screen.help_button) {
            ShowHelpText(d.ui(), d, HelpCaption(screen.help_file), screen.help_file);
        }
    };
}

bool ShowScreen(Ui& ui, Owner owner, const Screen& screen) {
    return ui.ShowModal(owner, Template(screen.template_number), ScreenProc(screen)) == kAccepted;
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

void ScreenMessage(Dialog& d, const char* text, const char* caption) {
    d.ui().MessageBox(d, text, caption, Buttons::Ok);
}

}  // namespace velmar
