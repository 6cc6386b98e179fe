#include "interface/results/results_screen.h"

#include <cstdio>
#include <string>

#include "interface/resources/run_templates.h"
#include "interface/resources/templates.h"
#include "interface/results/comparison_screen.h"
#include "interface/results/results_print.h"
#include "interface/results/results_reading.h"
#include "interface/results/results_report.h"
#include "interface/session/help.h"
#include "interface/session/state.h"
#include "project/csv_text.h"

namespace velmar {
namespace {

constexpr char kNoResults[] =
    "The model produced no results: \"Results.txt\" could not be read. Check that the model "
    "program is present and that the current folder is writable, then run the model again.";
constexpr char kNoResultsCaption[] = "No Results";
constexpr char kNotComputed[] = "not computed";

std::string WithoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
}

// The label an entry's line carries, as the engine writes it.
std::string EntryLabel(const ProjectRecord& r, int entry) {
    const ResultsEntry& e = kResultsEntries[entry - 1];
    const std::string format = e.format;
    const std::string label_format = format.substr(0, format.find('\n'));
    const char* name = ResultsEntryName(r, e);
    char text[128];
    if (name != nullptr) {
        std::snprintf(text, sizeof text, label_format.c_str(), name);
    } else {
        std::snprintf(text, sizeof text, label_format.c_str(), 0);
    }
    return text;
}

void ShowRow(Dialog& d, int entry, RowState state, const std::string& label, const std::string& value) {
    const int label_id = ResultsLabelId(entry);
    const int value_id = ResultsValueId(entry);
    switch (state) {
        case RowState::Shown:
            d.SetText(label_id, label);
            d.SetText(value_id, value);
            break;
        case RowState::Greyed:
            d.SetText(label_id, label);
            d.SetText(value_id, "");
            d.Enable(label_id, false);
            d.Enable(value_id, false);
            break;
        case RowState::Hidden:
            d.SetText(label_id, "");
            d.Show(label_id, false);
            d.Show(value_id, false);
            break;
        case RowState::NoRow: break;
    }
}

// Fills the rows from the file and keeps what the project and the reports need. The values
// are kept as the engine wrote them; a TP rate and outflow concentration that come from a
// solution that did not converge are shown as not computed.
void FillFromFile(Dialog& d, const ResultsLines& lines) {
    ProjectRecord& r = Project();
    const bool tp_not_converged = TpNotConverged(r, ResultsLineValue(lines[TpEfficiencyEntry() - 1].value));
    for (int entry = 1; entry <= static_cast<int>(kResultsEntryCount); ++entry) {
        const ResultsLine& line = lines[entry - 1];
        const RowState state = ResultsRowState(r, entry);
        if (state == RowState::NoRow) {
            if (KeptWithoutRow(entry)) KeepResultsLine(r, KeptResults(), entry, line.value);
            continue;
        }
        if (state == RowState::Shown) KeepResultsLine(r, KeptResults(), entry, line.value);
        const std::string value = tp_not_converged && TpResult(entry)
                                      ? std::string(kNotComputed)
                                      : ShownNumber(ResultsLineValue(line.value));
        ShowRow(d, entry, state, WithoutLineEnd(line.label), value);
    }
    d.Show(kResultsTpNote, tp_not_converged);
}

// Without a whole results file from a successful run nothing is kept: every row that would
// show a value is greyed.
void FillWithoutFile(Dialog& d) {
    const ProjectRecord& r = Project();
    for (int entry = 1; entry <= static_cast<int>(kResultsEntryCount); ++entry) {
        RowState state = ResultsRowState(r, entry);
        if (state == RowState::Shown) state = RowState::Greyed;
        ShowRow(d, entry, state, EntryLabel(r, entry), "");
    }
    d.Enable(kResultsCompare, false);  // nothing to compare with
    d.ui().MessageBox(d, kNoResults, kNoResultsCaption, Buttons::Ok);
}

// A heading is shown only while a row stands under it.
void ShowHeadings(Dialog& d) {
    for (const int heading : kResultsHeadings) {
        bool any_row = false;
        for (const int entry : ResultsHeadingEntries(heading)) {
            any_row = any_row || ResultsRowState(Project(), entry) != RowState::Hidden;
        }
        d.Show(heading, any_row);
    }
}

void ResultsProc(Dialog& d, const DialogEvent& e, bool run_succeeded, const std::string& results_file) {
    switch (e.kind) {
        case DialogEvent::Opened: {
            ResultsLines lines;
            if (run_succeeded && ReadResultsLines(results_file, lines)) {
                FillFromFile(d, lines);
            } else {
                FillWithoutFile(d);
            }
            ShowHeadings(d);
            break;
        }
        case DialogEvent::Ok:
        case DialogEvent::Cancel:
            Project().RE_Viewed_By_User = 1;
            d.End(e.kind == DialogEvent::Ok ? kOkId : kCancelId);
            break;
        case DialogEvent::Clicked:
            if (e.id == kResultsHelp) {
                ShowHelpText(d.ui(), d, "Help for volumetric removal rate and efficiency output screen",
                             "results.txt");
            } else if (e.id == kResultsPrint) {
                PrintReport(d.ui(), d);
            } else if (e.id == kResultsSave) {
                SaveReport(d.ui(), d);
            } else if (e.id == kResultsCompare) {
                ShowComparisonScreen(d.ui(), d);
            }
            break;
        default: break;
    }
}

}  // namespace

ModelResults& KeptResults() {
    static ModelResults kept{};
    return kept;
}

void ShowResultsScreen(Ui& ui, Owner owner, bool run_succeeded, const std::string& results_file) {
    ui.ShowModal(owner, Template(kResultsDialog),
                 [run_succeeded, &results_file](Dialog& d, const DialogEvent& e) {
                     ResultsProc(d, e, run_succeeded, results_file);
                 });
}

}  // namespace velmar
