// The program's main window on the Qt host: the shell's title, size, menu and commands.
#pragma once

#include "interface/platform/qt/main_window.h"
#include "interface/platform/ui.h"

namespace velmar {

MainWindowDescription VelmarMainWindow(Ui& ui, QPoint position);

}  // namespace velmar
