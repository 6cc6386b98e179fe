#include "interface/analysis/series_window.h"

#include <filesystem>
#include <optional>

#include "interface/analysis/background_study.h"
#include "interface/analysis/series_study.h"
#include "interface/analysis/study_window.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"
#include "project/project_file.h"

namespace velmar {
namespace {

constexpr StudyWindowKind kKind = {kSeriesStrip, "series", "Help for the Time Series Window", "series.txt"};

// The record chosen last while the program runs: the next choice starts in its folder.
std::string last_record;

struct SeriesWindow {
    std::vector<SeriesChoice> choices;  // the project's modelled constituents
    std::optional<SeriesOutcome> outcome;  // of the last run that finished
    bool running = false;
};

std::size_t Chosen(const Dialog& d) {
    const int item = d.ChosenItem(kSeriesConstituents);
    return item < 0 ? 0 : static_cast<std::size_t>(item);
}

SeriesRequest RequestOf(const Dialog& d, const SeriesWindow& w) {
    SeriesRequest request{d.Text(kSeriesRecord), d.Text(kSeriesYearStart), ""};
    if (!w.choices.empty()) request.limit = SeriesLimit(w.choices[Chosen(d)], d.Text(kSeriesLimit));
    return request;
}

void ShowChart(Dialog& d, const SeriesWindow& w) {
    if (!w.outcome || Chosen(d) >= w.outcome->constituents.size()) return;
    d.SetChart(kSeriesChart, d.Checked(kSeriesDuration) ? SeriesDurationChart(*w.outcome, Chosen(d))
                                                        : SeriesTimeChart(*w.outcome, Chosen(d)));
}

void SetRunning(Dialog& d, SeriesWindow& w, bool running) {
    w.running = running;
    EnableStrip(d, kSeriesStrip, running, w.outcome.has_value(), w.outcome.has_value());
    d.Enable(kSeriesBrowse, !running);
}

void Browse(Dialog& d) {
    const auto chosen = AskCsvFile(d, kKind.name, last_record);
    if (!chosen) return;
    d.SetText(kSeriesRecord, *chosen);
    d.SetFocus(kSeriesRun);  // so that Return runs it
}

void Run(Dialog& d, SeriesWindow& w) {
    const SeriesRequest request = RequestOf(d, w);
    if (auto error = SeriesRequestError(request, d.Text(kSeriesLimit))) return Tell(d, *error);
    std::optional<SeriesOutcome> outcome;
    std::string failure;
    SetRunning(d, w, true);
    const StudyEnd end = RunStudyInBackground(
        d, kSeriesProgress,
        [&](const std::string& project, const study::ProgressWatch& watch) {
            outcome = RunSeriesStudy(request, project, watch);
        },
        failure);
    if (end == StudyEnd::Failed) Tell(d, "The record could not be run: " + failure);
    if (end == StudyEnd::Done && outcome) {
        w.outcome = std::move(outcome);
        d.SetText(kSeriesSummary, SeriesSummaryText(*w.outcome));
        ShowChart(d, w);
    }
    SetRunning(d, w, false);
}

// The per-step CSV and the summary, each as the command writes it, to files of their own.
void ExportCsv(Dialog& d, const SeriesOutcome& outcome) {
    const auto steps = d.ui().AskSaveFileName(Owner(d), FileFilter{"Per-step CSV (*.csv)", "*.csv"},
                                              OfferedFile(kKind.name, ".csv"));
    if (!steps) return;
    if (WriteTextFile(*steps, outcome.steps_csv))
        return Tell(d, "The CSV file could not be written to " + *steps + ".");
    const std::filesystem::path path(*steps);
    const auto summary =
        d.ui().AskSaveFileName(Owner(d), FileFilter{"Summary by period CSV (*.csv)", "*.csv"},
                               (path.parent_path() / (path.stem().string() + "_summary.csv")).string());
    if (summary && WriteTextFile(*summary, outcome.summary_csv))
        Tell(d, "The CSV file could not be written to " + *summary + ".");
}

void CopyCommand(Dialog& d, const SeriesWindow& w) {
    const SeriesRequest request = RequestOf(d, w);
    if (auto error = SeriesRequestError(request, d.Text(kSeriesLimit))) return Tell(d, *error);
    CopyCommandFor(d, [&request](const std::string& project) { return SeriesCommand(request, project); });
}

void Open(Dialog& d, SeriesWindow& w) {
    w.choices = SeriesChoices(Project());
    std::vector<std::string> names;
    for (const SeriesChoice& c : w.choices) names.push_back(c.name);
    d.SetItems(kSeriesConstituents, names);
    if (!names.empty()) d.ChooseItem(kSeriesConstituents, 0);
    d.SetChecked(kSeriesOverTime, true);
    d.SetText(kSeriesNote, std::string(kQuasiSteadyNote) + ".");
    d.SetFocus(kSeriesBrowse);
}

void Event(Dialog& d, SeriesWindow& w, const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::Opened: Open(d, w); break;
        case DialogEvent::ItemChanged:
            if (e.id == kSeriesConstituents) ShowChart(d, w);
            break;
        case DialogEvent::Clicked:
            if (e.id == kSeriesExportCsv && w.outcome) return ExportCsv(d, *w.outcome);
            if (StripClicked(d, kKind, e.id, {[&] { Run(d, w); }, [&] { CopyCommand(d, w); }, nullptr}))
                break;
            if (e.id == kSeriesBrowse) Browse(d);
            if (e.id == kSeriesOverTime || e.id == kSeriesDuration) ShowChart(d, w);
            break;
        case DialogEvent::Cancel: CloseOrStop(d, w.running); break;
        default: break;
    }
}

}  // namespace

void ShowSeriesWindow(Ui& ui) {
    ShowStudyWindow(ui, kSeriesWindow, SeriesWindow{}, Event);
}

}  // namespace velmar
