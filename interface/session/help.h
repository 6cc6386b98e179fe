// The help text window: a help file of the Help folder, read-only, over its owner.
#pragma once

#include <optional>
#include <string>

#include "interface/platform/ui.h"

namespace velmar {

// The text box of the help window.
constexpr int kHelpTextBox = 1130;

// The text of a file in the program's Help folder (see ProgramFile), each line ending made a
// single '\n' (files may end their lines in CR LF, LF or CR); empty when the file cannot
// be read.
std::optional<std::string> ReadHelpFile(const std::string& file);

// Shows a help file in a read-only window with the given caption until the user closes it.
void ShowHelpText(Ui& ui, Owner owner, const std::string& caption, const std::string& file);

}  // namespace velmar
