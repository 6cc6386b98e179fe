// What every data-entry screen shares: number texts, how a disabled field is read, the
// screens' message boxes, and closing a screen as accepted or not, alone or at the end of a
// chain. Screens themselves are tables (interface/screens/framework/screen_table.h).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "interface/platform/ui.h"

namespace velmar {

// ---- Number texts ----

// A field's text is read into a buffer of 100 characters; a longer text is refused.
constexpr std::size_t kFieldTextLimit = 99;

// The character check every number field passes before it is converted: digits, at most
// one point, at most one exponent letter (never first), and "+" and "-" each at most once
// before an exponent letter and twice in all after one. Signs may stand anywhere, so 1-2
// and +-5 pass; the empty text passes too.
bool IsNumberText(std::string_view text);

// The value a screen reads from a field: the text must pass IsNumberText, hold at most
// kFieldTextLimit characters and convert to a finite double. The conversion takes the
// longest leading part that forms a number and ignores the rest, so 1-2 gives 1, +-5 and a
// lone point give 0, 1e gives 1 and the empty text gives 0.
std::optional<double> NumberTextValue(std::string_view text);

// The text a field shows for a value: "%g" (six significant digits) with the exponent's
// leading zeros dropped, so one million shows as 1e+6 and 0.000025 as 2.5e-5.
std::string FormatNumberText(double value);

// ---- Reading fields ----

// How a read treats a disabled field.
enum class DisabledFields {
    Read,        // like any other
    Skip,        // neither checked nor stored
    StoreValid,  // stored when its text is valid, passed over when not
};

// ---- Screens ----

// The value a screen ends with: whether the user accepted it.
constexpr int kNotAccepted = 0;
constexpr int kAccepted = 1;

// Closes a screen as accepted and notes that the project has unsaved changes.
void Accept(Dialog& d);
// Closes a screen as not accepted.
void Dismiss(Dialog& d);

// Opens the next screen of a chain over this one, whose own values the caller has already
// committed. When the user accepts the next screen, this one closes as accepted too, so a
// whole chain closes on its last OK; otherwise this one stays open, its values committed.
void ChainTo(Dialog& d, bool (*show_next)(Ui&, Owner));

// A message box of a data-entry screen: owned by the screen, with an OK button only.
void ScreenMessage(Dialog& d, const std::string& text, const std::string& caption);

}  // namespace velmar
