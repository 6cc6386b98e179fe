// Start-up of the front end: the disclaimer, the main window's place, the first project.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

// The main window's fixed outer size, in pixels.
constexpr int kMainWindowWidth = 265;
constexpr int kMainWindowHeight = 275;

struct WindowPosition {
    int x;
    int y;
};

// Centred across the screen's width and the work area's height (the desktop less the task bar).
WindowPosition MainWindowPosition(int screen_width, int work_area_height);

// Shows the disclaimer; true when the user accepts it. Declining sets the exiting flag.
bool ShowDisclaimer(Ui& ui);

// Gives the project its defaults and loads the program options, once the main window stands.
void PrepareSession(Ui& ui);

}  // namespace velmar
