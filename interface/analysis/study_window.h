// What the analysis windows' buttons share: messages, saving the chart, exporting the CSV
// and copying the command that reproduces it.
#pragma once

#include <functional>
#include <string>

#include "interface/platform/dialog.h"

namespace velmar {

// A message over the window, under its caption.
void Tell(Dialog& d, const std::string& text);

// Asks where, then writes the chart as PNG or SVG; `name` is the file name offered.
void SaveChartAs(Dialog& d, int chart, const std::string& name);

// Asks where, then writes the study's CSV as it stands.
void ExportCsvAs(Dialog& d, const std::string& csv, const std::string& name);

// Puts the command that reads the saved project on the clipboard; `command` makes it from
// the project file's path. A project never saved has no file to name; one with changes since
// is named, with a word that the command reads it as last saved.
void CopyCommandFor(Dialog& d, const std::function<std::string(const std::string& project_file)>& command);

}  // namespace velmar
