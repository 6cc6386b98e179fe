#include "interface/analysis/study_window.h"

#include <cctype>
#include <filesystem>
#include <vector>

#include "interface/analysis/background_study.h"
#include "interface/platform/ui.h"
#include "interface/session/help.h"
#include "interface/session/state.h"
#include "project/project_file.h"
#include "study/fields.h"
#include "study/input_effects.h"

namespace velmar {

void Tell(Dialog& d, const std::string& text) {
    d.ui().MessageBox(Owner(d), text, d.Caption(), Buttons::Ok);
}

void ListInputs(Dialog& d, int search, int list, const std::vector<StudyInput>& inputs,
                std::optional<std::size_t> chosen, std::vector<std::size_t>& listed) {
    listed = MatchingInputs(inputs, d.Text(search));
    std::vector<std::string> items;
    int chosen_item = -1;
    for (std::size_t i : listed) {
        if (chosen == i) chosen_item = static_cast<int>(items.size());
        items.push_back(InputItemText(inputs[i]));
    }
    d.SetItems(list, items);
    d.ChooseItem(list, chosen_item);
}

void TellNotes(Dialog& d, const std::vector<std::string>& notes) {
    for (std::string note : notes) {
        // A note on an input names it by its record name, which keeps its case.
        const bool on_input = note.ends_with(study::kChangesNoResult);
        if (!on_input) note[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(note[0])));
        Tell(d, note + (on_input ? ": the study varied it without effect." : ". The chart leaves them out."));
    }
}

bool ApplyToProject(Dialog& d, const std::vector<AppliedValue>& values) {
    std::string settings;
    for (const AppliedValue& v : values)
        settings += (settings.empty() ? "" : ", ") + v.input.label + " [" + v.input.name + "] to " +
                    RoundedNumber(v.value);
    const std::string question = "Set " + settings +
                                 " in the project? The values the system screens derive from " +
                                 (values.size() == 1 ? "it" : "them") + " follow.";
    if (d.ui().MessageBox(Owner(d), question, "Apply to Project", Buttons::YesNo) != Answer::Yes)
        return false;
    for (const AppliedValue& v : values)
        study::SetInput(Project(), study::FindInputField(v.input.name), v.value);
    Shell().changes = true;
    return true;
}

void SaveChartAs(Dialog& d, int chart, const std::string& name) {
    const auto path = d.ui().AskSaveFileName(
        Owner(d), std::vector<FileFilter>{{"PNG Picture (*.png)", "*.png"}, {"SVG Drawing (*.svg)", "*.svg"}},
        name);
    if (path && !d.SaveChart(chart, *path)) Tell(d, "The chart could not be written to " + *path + ".");
}

void ExportCsvAs(Dialog& d, const std::string& csv, const std::string& name) {
    const auto path = d.ui().AskSaveFileName(Owner(d), FileFilter{"CSV Files (*.csv)", "*.csv"}, name);
    if (path && WriteTextFile(*path, csv)) Tell(d, "The CSV file could not be written to " + *path + ".");
}

void CopyCommandFor(Dialog& d, const std::function<std::string(const std::string& project_file)>& command) {
    const ShellState& shell = Shell();
    if (shell.current_file.empty()) {
        return Tell(d, "Save the project first: the command reads the project from its file.");
    }
    d.ui().SetClipboardText(command(shell.current_file));
    if (shell.changes) {
        Tell(d,
             "The command is on the clipboard. It reads the project as last saved: save the project "
             "to include the changes made since.");
    }
}

std::string OfferedFile(const std::string& window, const std::string& extension) {
    const std::string& project = Shell().current_file;
    if (project.empty()) return window + extension;
    const std::filesystem::path path(project);
    return (path.parent_path() / (path.stem().string() + "_" + window + extension)).string();
}

std::optional<std::string> AskCsvFile(Dialog& d, const std::string& window, std::string& last) {
    const std::string start =
        last.empty() ? std::filesystem::path(OfferedFile(window, "")).parent_path().string() + "/" : last;
    const auto chosen = d.ui().AskOpenFileName(Owner(d), FileFilter{"CSV Files (*.csv)", "*.csv"}, start);
    if (chosen) last = *chosen;
    return chosen;
}

bool StripClicked(Dialog& d, const StudyWindowKind& kind, int id, const StudyActions& actions) {
    const StudyStrip& s = kind.strip;
    if (id == s.run)
        actions.run();
    else if (id == s.stop)
        CancelStudy();
    else if (id == s.save_chart)
        SaveChartAs(d, s.chart, OfferedFile(kind.name, ".png"));
    else if (id == s.export_csv && actions.csv)
        ExportCsvAs(d, *actions.csv, OfferedFile(kind.name, ".csv"));
    else if (id == s.copy_command)
        actions.copy_command();
    else if (id == s.help)
        ShowHelpText(d.ui(), Owner(d), kind.help_caption, kind.help_topic);
    else
        return false;
    return true;
}

void EnableStrip(Dialog& d, const StudyStrip& strip, bool running, bool chart, bool csv) {
    d.Enable(strip.run, !running);
    d.Enable(strip.stop, running);
    d.Enable(strip.save_chart, !running && chart);
    d.Enable(strip.export_csv, !running && csv);
    // Run, disabled while the study ran, handed the keyboard on to the next button that was
    // enabled; it takes it back, so that Return runs again rather than pressing that button.
    if (!running) d.SetFocus(strip.run);
}

void CloseOrStop(Dialog& d, bool running) {
    if (running)
        CancelStudy();
    else
        d.End(0);
}

}  // namespace velmar
