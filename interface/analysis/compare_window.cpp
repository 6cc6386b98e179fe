#include "interface/analysis/compare_window.h"

#include <optional>

#include "interface/analysis/background_study.h"
#include "interface/analysis/compare_study.h"
#include "interface/analysis/study_window.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"

namespace velmar {
namespace {

constexpr StudyWindowKind kKind = {kCompareStrip, "compare", "Help for the Compare with P-k-C* Window",
                                   "compare_curves.txt"};

struct CompareWindow {
    std::optional<CompareRequest> request;  // of the last run that finished, and what it found
    std::optional<CompareOutcome> outcome;
    std::size_t shown = 0;  // the constituent charted, by position in the outcome's curves
    bool running = false;
};

CompareRequest RequestOf(const Dialog& d) {
    return {d.Text(kCompareFrom), d.Text(kCompareTo), d.Text(kCompareSteps),
            d.Checked(kCompareSubsurface) ? pkc::WetlandType::HorizontalSubsurface
                                          : pkc::WetlandType::FreeWaterSurface,
            d.Text(kCompareTarget)};
}

void SetRunning(Dialog& d, CompareWindow& w, bool running) {
    w.running = running;
    EnableStrip(d, kCompareStrip, running, w.outcome.has_value(), w.outcome.has_value());
}

bool Charted(const CompareWindow& w) {
    return w.outcome && w.shown < w.outcome->curves.curves.size();
}

void ShowChart(Dialog& d, const CompareWindow& w) {
    if (Charted(w)) d.SetChart(kCompareChart, CompareChart(*w.request, *w.outcome, w.shown));
}

// The constituents of a new run, the one charted before kept where it is among them.
void ShowOutcome(Dialog& d, CompareWindow& w, const std::string& charted) {
    std::vector<std::string> names;
    w.shown = 0;
    // The constituent of the target is charted, else the one charted before.
    const std::string shown = w.outcome->target ? w.outcome->target->row.constituent : charted;
    for (const study::CompareCurve& c : w.outcome->curves.curves) {
        if (c.constituent == shown) w.shown = names.size();
        names.push_back(c.constituent);
    }
    d.SetItems(kCompareConstituents, names);
    d.ChooseItem(kCompareConstituents, static_cast<int>(w.shown));
    d.SetText(kCompareNotes, CompareNotes(&*w.outcome, Project()));
    ShowChart(d, w);
}

void Run(Dialog& d, CompareWindow& w) {
    const CompareRequest request = RequestOf(d);
    if (auto error = CompareRequestError(request, Project())) return Tell(d, *error);
    std::optional<CompareOutcome> outcome;
    std::string failure;
    const std::string charted = Charted(w) ? w.outcome->curves.curves[w.shown].constituent : "";
    SetRunning(d, w, true);
    const StudyEnd end = RunStudyInBackground(
        d, kCompareProgress,
        [&](const std::string& project, const study::ProgressWatch& watch) {
            outcome = RunCompareStudy(request, project, charted, watch);
        },
        failure);
    if (end == StudyEnd::Failed) Tell(d, "The comparison could not be made: " + failure);
    if (end == StudyEnd::Done && outcome) {
        w.request = request;
        w.outcome = std::move(outcome);
        ShowOutcome(d, w, charted);
    }
    SetRunning(d, w, false);
}

void CopyCommand(Dialog& d) {
    const CompareRequest request = RequestOf(d);
    if (auto error = CompareRequestError(request, Project())) return Tell(d, *error);
    CopyCommandFor(d, [&request](const std::string& project) { return CompareCommand(request, project); });
}

void Open(Dialog& d) {
    const CompareRequest request = DefaultCompareRequest(Project());
    d.SetText(kCompareFrom, request.from);
    d.SetText(kCompareTo, request.to);
    d.SetText(kCompareSteps, request.steps);
    d.SetChecked(kCompareFreeWaterSurface, true);
    d.SetText(kCompareNotes, CompareNotes(nullptr, Project()));
    d.SetFocus(kCompareFrom);
}

void Event(Dialog& d, CompareWindow& w, const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::Opened: Open(d); break;
        case DialogEvent::ItemChanged:
            if (e.id == kCompareConstituents && e.item >= 0) {
                w.shown = static_cast<std::size_t>(e.item);
                ShowChart(d, w);
            }
            break;
        case DialogEvent::Clicked:
            StripClicked(
                d, kKind, e.id,
                {[&] { Run(d, w); }, [&] { CopyCommand(d); }, w.outcome ? &w.outcome->csv : nullptr});
            break;
        case DialogEvent::Cancel: CloseOrStop(d, w.running); break;
        default: break;
    }
}

}  // namespace

void ShowCompareWindow(Ui& ui) {
    ShowStudyWindow(ui, kCompareWindow, CompareWindow{}, Event);
}

}  // namespace velmar
