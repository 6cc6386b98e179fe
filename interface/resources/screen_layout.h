// Building blocks of the data-entry screens' templates: rows of a label and a number field,
// and the OK, Cancel and Help buttons every screen ends with.
#pragma once

#include <initializer_list>

#include "interface/platform/dialog_template.h"

namespace velmar {

// A field's label has the id of the field plus this, so it can be found from the field.
constexpr int kFieldLabelOffset = 10000;

struct FieldRow {
    int field;          // the number field's id
    const char* label;  // the text on its left
    unsigned flags = 0;
};

// Appends one row per field, label left and field right, in the dialog body or in the group
// box `group`. The fields take the focus in this order. Group boxes stacked one above the
// other line up their fields when their labels share a width (in average characters).
void AddFieldRows(DialogTemplate& t, std::initializer_list<FieldRow> rows, int group = 0,
                  int label_width = 0);

// The button strip: OK (pressed by Enter), Cancel (also Escape) and Help.
void AddOkCancelHelp(DialogTemplate& t, int help_button);

}  // namespace velmar
