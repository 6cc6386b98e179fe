// What the analysis windows' buttons share: messages, saving the chart, exporting the CSV
// and copying the command that reproduces it.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "interface/analysis/study_inputs.h"
#include "interface/platform/dialog.h"
#include "interface/platform/ui.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"

namespace velmar {

// What sets one analysis window's strip apart: its controls, the files it offers, its help.
struct StudyWindowKind {
    StudyStrip strip;
    const char* name;          // "sweep": the files offered end in _sweep.png and _sweep.csv
    const char* help_caption;  // "Help for the Sweep Window"
    const char* help_topic;    // "sweep.txt"
};

// The window's own part in the strip: its study, its command, and the CSV of the last study
// that finished (none before one has).
struct StudyActions {
    std::function<void()> run, copy_command;
    const std::string* csv;
};

// Shows an analysis window over the main window: its state, kept while the window is open, is
// handed to `event` with each of the window's events.
template <typename Window>
void ShowStudyWindow(Ui& ui, int number, Window window, void (*event)(Dialog&, Window&, const DialogEvent&)) {
    auto w = std::make_shared<Window>(std::move(window));
    ui.ShowModal(kMainWindow, Template(number),
                 [w, event](Dialog& d, const DialogEvent& e) { event(d, *w, e); });
}

// The file offered for what a window writes: in the project's folder, named after the project
// and the window ("typical_sweep.png"); for a project never saved, the window's name alone.
std::string OfferedFile(const std::string& window, const std::string& extension);

// Asks for a CSV file to read: the first time in the project's folder, later in the folder of
// the file chosen last (`last`, which the window keeps while the program runs).
std::optional<std::string> AskCsvFile(Dialog& d, const std::string& window, std::string& last);

// Carries out a click on one of the strip's buttons; false when the click was on another control.
bool StripClicked(Dialog& d, const StudyWindowKind& kind, int id, const StudyActions& actions);

// Run while no study runs, Cancel Run while one does; Save Chart once there is a chart, Export
// CSV once there is a CSV. When no study runs, the keyboard is on Run.
void EnableStrip(Dialog& d, const StudyStrip& strip, bool running, bool chart, bool csv);

// Escape or Close: a running study is stopped first, and the window stays; else it closes.
void CloseOrStop(Dialog& d, bool running);

// A message over the window, under its caption.
void Tell(Dialog& d, const std::string& text);

// Fills the list with the inputs whose label or record name holds the search field's text, the
// chosen one selected; `listed` gets their positions in `inputs`.
void ListInputs(Dialog& d, int search, int list, const std::vector<StudyInput>& inputs,
                std::optional<std::size_t> chosen, std::vector<std::size_t>& listed);

// Tells what the study noted: results it could not give, which the chart leaves out, and
// inputs that change no result.
void TellNotes(Dialog& d, const std::vector<std::string>& notes);

// An input and the value Apply to Project gives it.
struct AppliedValue {
    StudyInput input;
    double value;
};

// Asks, then gives each input its value for good, as entering it on its screen and accepting
// would (the values the system screens derive follow); the project counts as changed. False
// when the user declines.
bool ApplyToProject(Dialog& d, const std::vector<AppliedValue>& values);

// Asks where, then writes the chart as PNG or SVG; `name` is the file name offered.
void SaveChartAs(Dialog& d, int chart, const std::string& name);

// Asks where, then writes the study's CSV as it stands.
void ExportCsvAs(Dialog& d, const std::string& csv, const std::string& name);

// Puts the command that reads the saved project on the clipboard; `command` makes it from
// the project file's path. A project never saved has no file to name; one with changes since
// is named, with a word that the command reads it as last saved.
void CopyCommandFor(Dialog& d, const std::function<std::string(const std::string& project_file)>& command);

}  // namespace velmar
