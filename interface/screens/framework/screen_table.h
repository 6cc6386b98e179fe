// A data-entry screen described as one table.
//
// Each row of the table is one thing the user sees — a field with its label, a radio
// button, a check box, an item of a check list, a heading, a group box — together with
// the working copy it shows and edits, the record value that copy is committed to, and
// when it is enabled and shown. The screen's dialog template, its fill, its read, its
// commit and its revert all come from the rows, so a label, a control id and a binding
// cannot drift apart:
//
//     constexpr Row kTcbRows[] = {
//         Number(1043, "Decay Rate (/day @ 20 Deg. C)", &R::tcb_decay_rate20_temp, &R::tcb_decay_rate20),
//         Number(1044, "Temperature Corr. Factor", &R::theta_tcb_temp, &R::theta_tcb),
//     };
//     constexpr DataScreen kTcbScreen{.number = 155, .caption = "TCB Data Entry Screen",
//                                     .rows = kTcbRows, .help_button = 1042, .help_file = "tcb.txt"};
//
// A screen with three contaminant slots side by side (slots = 3) writes each column once:
// a row bound to a three-slot array (`&R::Kds_temp`) or to a numbered slot field
// (`InOrganicSlot(&SlotFields::inflow_temp)`) becomes one field per slot; a row bound to a
// plain field stays a single field shared by all slots.
//
// The generic procedure runs the common shape: fill on open, whole text selected when a
// field is entered, read in table order on OK, reject as the screen says, commit (which
// marks the project changed), accept or open the next screen; Cancel reverts the screen's
// working copies. A screen adds only what is its own through hooks.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "interface/platform/dialog_template.h"
#include "interface/platform/ui.h"
#include "interface/screens/framework/conventions.h"
#include "project/record.h"
#include "project/slots.h"

namespace velmar {

// Where a value shown on a screen lives in the record: a field (the same for every slot),
// element `slot` of a three-slot array, one fixed element of such an array, or a numbered
// field of a contaminant slot.
template <typename T>
class Ref {
public:
    constexpr Ref() = default;
    constexpr Ref(T ProjectRecord::*field) : field_(field) {}                // NOLINT: a field is a place
    constexpr Ref(T (ProjectRecord::*array)[kSlotCount]) : array_(array) {}  // NOLINT: so is an array
    constexpr Ref(T (ProjectRecord::*array)[kSlotCount], int element) : array_(array), element_(element) {}
    constexpr Ref(const SlotTable& table, T ProjectRecord::*SlotFields::*numbered)
        : table_(&table), numbered_(numbered) {}

    constexpr explicit operator bool() const { return field_ || array_ || numbered_; }
    // A value of its own in each slot.
    constexpr bool PerSlot() const { return (array_ && element_ < 0) || numbered_; }

    T& In(ProjectRecord& r, int slot) const {
        if (field_) return r.*field_;
        if (array_) return (r.*array_)[element_ < 0 ? slot : element_];
        return r.*((*table_)[slot].*numbered_);
    }
    const T& In(const ProjectRecord& r, int slot) const { return In(const_cast<ProjectRecord&>(r), slot); }

private:
    T ProjectRecord::*field_ = nullptr;
    T (ProjectRecord::*array_)[kSlotCount] = nullptr;
    int element_ = -1;  // an array's fixed element, or -1 for the slot's
    const SlotTable* table_ = nullptr;
    T ProjectRecord::*SlotFields::*numbered_ = nullptr;
};

template <typename T>
constexpr Ref<T> InOrganicSlot(T ProjectRecord::*SlotFields::*numbered) {
    return {kOrganicSlots, numbered};
}
// Element k of a three-slot array, on a screen that lists the slots one below the other.
template <typename T>
constexpr Ref<T> Element(T (ProjectRecord::*array)[kSlotCount], int k) {
    return {array, k};
}
template <typename T>
constexpr Ref<T> InMetalSlot(T ProjectRecord::*SlotFields::*numbered) {
    return {kMetalSlots, numbered};
}

enum class RowKind {
    Text,      // a line of text of its own: a heading or an instruction
    Group,     // a group box; rows that name it stand inside it
    Number,    // a label and a number field
    Computed,  // a label and a read-only field showing a computed value (or a name)
    Count,     // a label, a read-only whole-number field and spin arrows
    Name,      // a label and a one-word name field
    Radio,     // a radio button
    Check,     // a check box
    ListItem,  // an item of a check list; the row's id is the list's
    Button,    // a push button in the body; the screen's on_click says what it does
};

// A condition on the record for one slot (0 on a screen without slots).
using Condition = bool (*)(const ProjectRecord& r, int slot);

// A condition that holds while a flag is set.
template <std::int32_t ProjectRecord::*Flag>
bool IsSet(const ProjectRecord& r, int) {
    return r.*Flag != 0;
}

struct Row {
    RowKind kind = RowKind::Text;
    int id = 0;
    const char* label = "";
    Ref<double> real;  // Number, Computed: the working copy, and the value it is committed to
    Ref<double> real_value;
    Ref<std::int32_t> flag;  // Count, Radio, Check, ListItem; a button without one is the screen's own
    Ref<std::int32_t> flag_value;
    Ref<NameText> name;  // Name
    Ref<NameText> name_value;
    Condition enabled = nullptr;       // none: always enabled
    Condition shown = nullptr;         // none: always shown
    int group = 0;                     // the group box the row stands in; 0: the screen's body
    int high = 0;                      // Count: the spin range is 0 to high
    bool beside_previous = false;      // on the line of the row before, one column on
    bool read_back = false;            // Computed: read back from its shown text on OK
    bool empty_when_disabled = false;  // disabled, the field shows no value and its label is greyed

    constexpr Row EnabledWhen(Condition c) const {
        Row r = *this;
        r.enabled = c;
        return r;
    }
    constexpr Row ShownWhen(Condition c) const {
        Row r = *this;
        r.shown = c;
        return r;
    }
    constexpr Row In(int group_box) const {
        Row r = *this;
        r.group = group_box;
        return r;
    }
    constexpr Row BesidePrevious() const {
        Row r = *this;
        r.beside_previous = true;
        return r;
    }
    constexpr Row ReadBack() const {
        Row r = *this;
        r.read_back = true;
        return r;
    }
    // For a value that means nothing while the row's condition fails.
    constexpr Row EmptyWhenDisabled() const {
        Row r = *this;
        r.empty_when_disabled = true;
        return r;
    }
    // One control per slot, or one shared by all.
    constexpr bool PerSlot() const { return real.PerSlot() || flag.PerSlot() || name.PerSlot(); }
    constexpr bool HasField() const {
        return kind == RowKind::Number || kind == RowKind::Computed || kind == RowKind::Count ||
               kind == RowKind::Name;
    }
};

constexpr Row Text(int id, const char* text) {
    return {.kind = RowKind::Text, .id = id, .label = text};
}
constexpr Row GroupBox(int id, const char* text) {
    return {.kind = RowKind::Group, .id = id, .label = text};
}
constexpr Row Number(int id, const char* label, Ref<double> copy, Ref<double> value = {}) {
    return {.kind = RowKind::Number, .id = id, .label = label, .real = copy, .real_value = value};
}
constexpr Row Computed(int id, const char* label, Ref<double> copy) {
    return {.kind = RowKind::Computed, .id = id, .label = label, .real = copy};
}
constexpr Row Computed(int id, const char* label, Ref<NameText> name) {
    return {.kind = RowKind::Computed, .id = id, .label = label, .name = name};
}
constexpr Row Count(int id, const char* label, Ref<std::int32_t> copy, Ref<std::int32_t> value, int high) {
    return {
        .kind = RowKind::Count, .id = id, .label = label, .flag = copy, .flag_value = value, .high = high};
}
constexpr Row Name(int id, const char* label, Ref<NameText> copy, Ref<NameText> value = {}) {
    return {.kind = RowKind::Name, .id = id, .label = label, .name = copy, .name_value = value};
}
constexpr Row Radio(int id, const char* label, Ref<std::int32_t> copy, Ref<std::int32_t> value = {}) {
    return {.kind = RowKind::Radio, .id = id, .label = label, .flag = copy, .flag_value = value};
}
constexpr Row Check(int id, const char* label, Ref<std::int32_t> copy, Ref<std::int32_t> value = {}) {
    return {.kind = RowKind::Check, .id = id, .label = label, .flag = copy, .flag_value = value};
}
constexpr Row ListItem(int list, const char* text, Ref<std::int32_t> copy, Ref<std::int32_t> value = {}) {
    return {.kind = RowKind::ListItem, .id = list, .label = text, .flag = copy, .flag_value = value};
}
constexpr Row Button(int id, const char* text) {
    return {.kind = RowKind::Button, .id = id, .label = text};
}

// Control ids derived from a row's id: its label, its spin arrows, and its field in slot k.
constexpr int kLabelIdOffset = 10000;
constexpr int kSpinIdOffset = 20000;
constexpr int kSlotIdStep = 100000;
constexpr int LabelId(int id) {
    return id + kLabelIdOffset;
}
constexpr int SpinId(int id) {
    return id + kSpinIdOffset;
}
constexpr int SlotId(int id, int slot) {
    return id + slot * kSlotIdStep;
}

// What a screen does when OK finds a field that is not a valid number (or name).
enum class OnInvalid {
    Message,  // "Invalid Input!", then every field shows its working copy again
    Refill,   // every field shows its working copy again, without a word
    Stay,     // nothing: the screen stays open as it is
};

struct DataScreen;

// What a hook works with: the open dialog, the project record and the screen's table.
struct ScreenContext {
    Dialog& d;
    ProjectRecord& r;
    const DataScreen& screen;

    void Fill() const;
    bool Read() const;
    void Message(const std::string& text, const std::string& caption) const {
        ScreenMessage(d, text, caption);
    }
    // Refuses the screen's OK, telling the user why under the screen's caption.
    void Refuse(const std::string& why) const;
};

struct DataScreen {
    int number = 0;  // template number
    const char* caption = "";
    std::span<const Row> rows;
    int help_button = 0;
    const char* help_file = "";  // help topic in the Help folder; its caption comes from the topic table
    int slot_columns = 1;        // columns of contaminant slots, headed "(1)", "(2)", "(3)"
    int label_width = 0;         // labels' width in average characters, so stacked groups line up

    DisabledFields disabled = DisabledFields::Skip;
    OnInvalid on_invalid = OnInvalid::Message;
    bool one_option = false;  // OK needs exactly one choice in each radio group
    bool revert_on_cancel = true;
    // Without a Cancel button, Escape and the close box close the screen as OK does.
    bool cancel_button = true;

    // Hooks, each optional.
    void (*on_event)(ScreenContext&, const DialogEvent&) = nullptr;  // before every event
    void (*on_open)(ScreenContext&) = nullptr;                       // before the fill
    void (*on_field_left)(ScreenContext&, int id) = nullptr;
    void (*on_text_edited)(ScreenContext&, int id) = nullptr;
    void (*on_click)(ScreenContext&, int id) = nullptr;
    bool (*validate)(ScreenContext&) = nullptr;  // after a good read; false keeps the screen open
    void (*after_commit)(ScreenContext&) = nullptr;
    bool (*next)(Ui&, Owner) = nullptr;  // the screen the chain goes on to
    void (*on_cancel)(ScreenContext&) = nullptr;

    // Show loads the working copies from the record before the screen opens; otherwise the
    // screen's opener has loaded them.
    bool loads_copies = false;
};

// The dialog template the screen's rows lay out.
DialogTemplate BuildTemplate(const DataScreen& screen);
// The same, built once per screen.
const DialogTemplate& ScreenTemplate(const DataScreen& screen);

// The pieces of the generic procedure, for hooks and for screens with a procedure of
// their own.
void FillRows(Dialog& d, const ProjectRecord& r, const DataScreen& screen);
// The field a read stopped at.
struct FailedField {
    const Row* row = nullptr;
    int slot = 0;
};
bool ReadRows(const Dialog& d, ProjectRecord& r, const DataScreen& screen, FailedField* failed = nullptr);
// Working copies into their record values; the project now has unsaved changes.
void CommitRows(ProjectRecord& r, const DataScreen& screen);
// Record values back into their working copies.
void RevertRows(ProjectRecord& r, const DataScreen& screen);
// True when each radio group holds exactly one choice; otherwise tells the user.
bool OneOptionInEachGroup(ScreenContext& c);
// A rejected read, as the screen's OnInvalid says.
void RejectRead(ScreenContext& c);
// A step of a count's spin arrows: every count is read back from its field, the count of
// the arrows used takes their position, and the counts are shown again.
void SpinCount(ScreenContext& c, const DialogEvent& e);

// The dialog procedure ShowScreen runs: the generic procedure, the Help button, and the
// filling guard — events that the screen's own writes to its controls raise (a host may
// report focus or text changes it causes) are not passed back, so filling never
// recomputes.
DialogProc ScreenProc(const DataScreen& screen);

// The generic procedure for a screen's events.
void RunDataScreen(const DataScreen& screen, Dialog& d, const DialogEvent& e);

// Shows a screen modally over its owner; true when the user accepted it.
bool ShowScreen(Ui& ui, Owner owner, const DataScreen& screen);

// Opens a screen as a chain does: its working copies loaded first when it loads its own.
bool OpenScreen(Ui& ui, Owner owner, const DataScreen& screen);

// Show<kTCBData>(ui, owner): the one way to open a screen by its table, and what a
// screen's `next` names for the screen its chain goes on to.
template <const DataScreen& screen>
bool Show(Ui& ui, Owner owner) {
    return OpenScreen(ui, owner, screen);
}

// The text a name field holds for the record, and the rule for what a user may type: one
// word of at most kScreenNameLength characters (longer names are cut).
constexpr std::size_t kScreenNameLength = 9;
bool ReadNameText(std::string_view text, NameText& name);

}  // namespace velmar
