// Building blocks of the dialogs' templates: the OK, Cancel and Help buttons every
// data-entry screen ends with.
#pragma once

#include "interface/platform/dialog_template.h"

namespace velmar {

// The button strip: OK (pressed by Enter), Cancel (also Escape) and Help.
void AddOkCancelHelp(DialogTemplate& t, int help_button);
// The same without Cancel, for a screen that only opens others and holds nothing to undo.
void AddOkHelp(DialogTemplate& t, int help_button);

}  // namespace velmar
