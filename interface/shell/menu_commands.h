// The main window's commands: the dispatch of every menu command and the close request.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

// Carries out a menu or accelerator command; false for a number that is not a command.
bool RunMenuCommand(Ui& ui, int command);

// The main window's close request (its close box, or Exit): stores the program options,
// then asks to save unsaved changes. True when the window may close.
bool CloseRequest(Ui& ui);

}  // namespace velmar
