#include "interface/resources/screen_layout.h"

namespace velmar {

// Wide enough for the longest number FormatNumberText writes, such as -1.23457e+100.
constexpr int kNumberFieldWidth = 14;

void AddFieldRows(DialogTemplate& t, std::initializer_list<FieldRow> rows, int group, int label_width) {
    int row = 0;
    for (const FieldRow& r : rows) {
        t.controls.push_back({.id = r.field + kFieldLabelOffset,
                              .kind = ControlKind::Label,
                              .text = r.label,
                              .at = {row, 0, 1, group},
                              .width = label_width});
        t.controls.push_back({.id = r.field,
                              .kind = ControlKind::NumberField,
                              .at = {row, 1, 1, group},
                              .flags = r.flags,
                              .width = kNumberFieldWidth});
        ++row;
    }
}

void AddOkCancelHelp(DialogTemplate& t, int help_button) {
    t.controls.push_back({.id = kOkId, .kind = ControlKind::DefaultButton, .text = "OK"});
    t.controls.push_back({.id = kCancelId, .kind = ControlKind::PushButton, .text = "Cancel"});
    t.controls.push_back({.id = help_button, .kind = ControlKind::PushButton, .text = "Help"});
}

}  // namespace velmar
