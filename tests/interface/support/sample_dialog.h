// A dialog holding every control kind, and readable names of the events it raises, for
// the tests of both hosts.
#pragma once

#include <string>

#include "interface/platform/dialog_template.h"

namespace velmar::testing {

inline const DialogTemplate kEveryKind{
    .number = 900,
    .caption = "Every kind",
    .controls = {
        {.id = 10, .kind = ControlKind::NumberField, .at = {0, 0}},
        {.id = 11, .kind = ControlKind::ReadOnlyField, .text = "3", .at = {0, 1}},
        {.id = 40, .kind = ControlKind::Spin, .at = {0, 2}, .low = 0, .high = 3},
        {.id = 12, .kind = ControlKind::TextField, .at = {1, 0}, .flags = kDisabled},
        {.id = 13, .kind = ControlKind::Label, .text = "Depth (m)", .at = {1, 1}},
        {.id = 14, .kind = ControlKind::MultilineText, .at = {2, 0, 2}, .width = 30, .lines = 3},
        {.id = 20, .kind = ControlKind::GroupBox, .text = "Scheme", .at = {3, 0, 2}},
        {.id = 21, .kind = ControlKind::RadioButton, .text = "Longitudinal", .at = {0, 0, 1, 20}},
        {.id = 22, .kind = ControlKind::RadioButton, .text = "Mixed", .at = {1, 0, 1, 20}},
        {.id = 23, .kind = ControlKind::CheckBox, .text = "TSS", .at = {4, 0}, .flags = kHidden},
        {.id = 30, .kind = ControlKind::CheckList, .at = {5, 0}, .width = 20, .lines = 3},
        {.id = 50, .kind = ControlKind::Link, .text = "Technical notes", .at = {6, 0}},
        {.id = kOkId, .kind = ControlKind::DefaultButton, .text = "OK"},
        {.id = kCancelId, .kind = ControlKind::PushButton, .text = "Cancel"},
        {.id = 60, .kind = ControlKind::PushButton, .text = "Help"},
    }};

// "Edited 10", "ItemChanged 30/1", "Spin 40=2", "Ok 1"...
inline std::string EventName(const DialogEvent& e) {
    static const char* const kNames[] = {"Opened",      "Clicked", "Entered", "Left",  "Edited",
                                         "ItemChanged", "Spin",    "Ok",      "Cancel"};
    std::string name = kNames[e.kind];
    if (e.id) name += ' ' + std::to_string(e.id);
    if (e.kind == DialogEvent::ItemChanged) name += '/' + std::to_string(e.item);
    if (e.kind == DialogEvent::Spin) name += '=' + std::to_string(e.position);
    return name;
}

}  // namespace velmar::testing
