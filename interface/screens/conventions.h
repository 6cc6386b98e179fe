// What every data-entry screen shares: number texts, field bindings between controls and
// working copies, commit and revert, radio groups, check lists, chains, help and the
// accepted flag.
//
// A screen is a template (interface/resources) and one plain event procedure. Its fields
// are described once, in a table of bindings, and the helpers below fill, read, commit and
// revert from that table:
//
//     constexpr NumberField kTcbFields[] = {
//         {1043, &ProjectRecord::tcb_decay_rate20_temp, &ProjectRecord::tcb_decay_rate20},
//         {1044, &ProjectRecord::theta_tcb_temp, &ProjectRecord::theta_tcb}};
//
//     void TcbProc(Dialog& d, const DialogEvent& e) {
//         ProjectRecord& r = Project();
//         switch (e.kind) {
//             case DialogEvent::Opened: FillNumbers(d, r, kTcbFields); break;
//             case DialogEvent::Ok:
//                 if (!ReadNumbers(d, r, kTcbFields)) {
//                     RejectInput(d, r, kTcbFields);
//                     break;
//                 }
//                 Commit(r, kTcbFields);
//                 Accept(d);
//                 break;
//             case DialogEvent::Cancel: Revert(r, kTcbFields); Dismiss(d); break;
//             default: break;
//         }
//     }
//     constexpr Screen kTcbScreen{155, 1042, "tcb.txt", TcbProc};
//     bool ShowTCBData(Ui& ui, Owner owner) { return ShowScreen(ui, owner, kTcbScreen); }
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "interface/platform/ui.h"
#include "project/record.h"

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

// ---- Bindings ----

using RealMember = double ProjectRecord::*;
using FlagMember = std::int32_t ProjectRecord::*;

// A number field and the working copy it shows and edits. `value` is the record value the
// copy is committed to (none for values stored straight into the record); the field is
// enabled while the flag `enabled_when` is set (none: left as the template has it).
struct NumberField {
    int id;
    RealMember copy;
    RealMember value = nullptr;
    FlagMember enabled_when = nullptr;
};

// A radio button and its working-copy flag (1 = chosen).
struct RadioButton {
    int id;
    FlagMember copy;
    FlagMember value = nullptr;
};

// An item of a check list, in list order: its text and its working-copy flag.
struct CheckItem {
    const char* text;
    FlagMember copy;
    FlagMember value = nullptr;
};

// Accepting a screen: each binding's working copy into its record value.
void Commit(ProjectRecord& r, const auto& bindings) {
    for (const auto& b : bindings) {
        if (b.value) r.*b.value = r.*b.copy;
    }
}

// Cancelling a screen: each binding's record value back into its working copy.
void Revert(ProjectRecord& r, const auto& bindings) {
    for (const auto& b : bindings) {
        if (b.value) r.*b.copy = r.*b.value;
    }
}

// ---- Number fields ----

// Shows each working copy with FormatNumberText and sets each field's enablement.
void FillNumbers(Dialog& d, const ProjectRecord& r, std::span<const NumberField> fields);

// How a read treats a disabled field.
enum class DisabledFields {
    Read,        // like any other
    Skip,        // neither checked nor stored
    StoreValid,  // stored when its text is valid, passed over when not
};

// Reads the fields in table order, storing each valid one into its working copy at once.
// False at the first invalid field: the fields before it keep their new values, it and
// those after it their old ones.
bool ReadNumbers(const Dialog& d, ProjectRecord& r, std::span<const NumberField> fields,
                 DisabledFields disabled = DisabledFields::Read);

// A rejected OK on a data screen: "Invalid Input!", then every field shows its working
// copy again, so the failing field is back at its last valid value.
void RejectInput(Dialog& d, const ProjectRecord& r, std::span<const NumberField> fields);

// ---- Radio groups and check lists ----

// Checks the first button whose flag is 1; with none set, no button is checked.
void FillRadioGroup(Dialog& d, const ProjectRecord& r, std::span<const RadioButton> group);
// Each flag from its button's checked state.
void ReadRadioGroup(const Dialog& d, ProjectRecord& r, std::span<const RadioButton> group);
// True when exactly one flag of the group is set; otherwise tells the user "You must
// select ONE option!".
bool OneOptionChosen(Dialog& d, const ProjectRecord& r, std::span<const RadioButton> group);

// Puts the items into the list, each checked when its working copy is set.
void FillCheckList(Dialog& d, int list, const ProjectRecord& r, std::span<const CheckItem> items);
// Each working copy from its item's check mark.
void ReadCheckList(const Dialog& d, int list, ProjectRecord& r, std::span<const CheckItem> items);
// How many of the items' working copies are set.
int CountChosen(const ProjectRecord& r, std::span<const CheckItem> items);

// ---- Screens ----

// The value a screen ends with: whether the user accepted it.
constexpr int kNotAccepted = 0;
constexpr int kAccepted = 1;

// A screen: its template, its Help button and help topic file (the window caption comes
// from the topic table), and its event procedure.
struct Screen {
    int template_number;
    int help_button;
    const char* help_file;
    void (*proc)(Dialog&, const DialogEvent&);
};

// Shows a screen modally over its owner; true when the user accepted it.
bool ShowScreen(Ui& ui, Owner owner, const Screen& screen);

// The dialog procedure ShowScreen runs for a screen. The screen's procedure receives every
// event; a click on the Help button then opens the screen's help topic.
//
// Filling guard: events that the procedure's own writes to its controls raise (a host may
// report focus or text changes it causes) are not passed back to the procedure, so filling
// a screen never triggers its recomputations.
DialogProc ScreenProc(const Screen& screen);

// Closes a screen as accepted and notes that the project has unsaved changes.
void Accept(Dialog& d);
// Closes a screen as not accepted.
void Dismiss(Dialog& d);

// Opens the next screen of a chain over this one, whose own values the caller has already
// committed. When the user accepts the next screen, this one closes as accepted too, so a
// whole chain closes on its last OK; otherwise this one stays open, its values committed.
void ChainTo(Dialog& d, bool (*show_next)(Ui&, Owner));

// A message box of a data-entry screen: owned by the screen, with an OK button only.
void ScreenMessage(Dialog& d, const char* text, const char* caption);

}  // namespace velmar
