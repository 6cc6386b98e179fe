// The main window's menu and accelerators as data.
#pragma once

namespace velmar {

// One command of the menu bar. An item with a null text is a top-level command of its own.
struct MenuItem {
    const char* menu;  // "&File"
    const char* text;  // "&New"
    int command;
    bool separator_before = false;
};

// A key combination, in the portable text form "Alt+?", that sends a command.
struct Accelerator {
    const char* keys;
    int command;
};

}  // namespace velmar
