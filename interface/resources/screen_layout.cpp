#include "interface/resources/screen_layout.h"

namespace velmar {

void AddOkCancelHelp(DialogTemplate& t, int help_button) {
    t.controls.push_back({.id = kOkId, .kind = ControlKind::DefaultButton, .text = "OK"});
    t.controls.push_back({.id = kCancelId, .kind = ControlKind::PushButton, .text = "Cancel"});
    t.controls.push_back({.id = help_button, .kind = ControlKind::PushButton, .text = "Help"});
}

void AddOkHelp(DialogTemplate& t, int help_button) {
    t.controls.push_back({.id = kOkId, .kind = ControlKind::DefaultButton, .text = "OK"});
    t.controls.push_back({.id = help_button, .kind = ControlKind::PushButton, .text = "Help"});
}

}  // namespace velmar
