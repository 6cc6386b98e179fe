#include "interface/analysis/calibrate_window.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "interface/analysis/background_study.h"
#include "interface/analysis/calibrate_study.h"
#include "interface/analysis/study_window.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"

namespace velmar {
namespace {

constexpr StudyWindowKind kKind = {kCalibrateStrip, "calibrate", "Help for the Calibrate Window",
                                   "calibrate.txt"};

// The observations chosen last while the program runs: the next choice starts in their folder.
std::string last_observed;

// The controls that choose the fields to fit, and those of a P-k-C* fit.
constexpr int kFieldControls[] = {kCalibrateSearch, kCalibrateInputs, kCalibrateLow,   kCalibrateHigh,
                                  kCalibrateAdd,    kCalibrateFitted, kCalibrateRemove};
constexpr int kPkcControls[] = {kCalibrateFreeWaterSurface, kCalibrateSubsurface, kCalibrateTanks};

struct CalibrateWindow {
    std::vector<StudyInput> inputs;
    std::vector<std::size_t> listed;  // the inputs the list shows, by position in `inputs`
    std::optional<std::size_t> chosen;
    std::vector<FittedInput> added;
    std::vector<CalibrationMethod> methods;
    std::optional<CalibrationRequest> request;  // of the last fit that finished, and what it found
    std::optional<CalibrationOutcome> outcome;
    ProjectRecord fitted{};  // the project as it was when fitted
    bool running = false;
};

// Whether the estimates can be written into the project: fields of it were fitted, the search
// settled, and the project is still the one fitted.
bool Applicable(const CalibrateWindow& w) {
    return w.outcome && w.outcome->calibration.fit.converged && !w.outcome->calibration.fields.empty() &&
           std::memcmp(&w.fitted, &Project(), sizeof(ProjectRecord)) == 0;
}

const CalibrationMethod& Method(const Dialog& d, const CalibrateWindow& w) {
    const int item = d.ChosenItem(kCalibrateMethods);
    return w.methods[item < 0 ? 0 : static_cast<std::size_t>(item)];
}

CalibrationRequest RequestOf(const Dialog& d, const CalibrateWindow& w) {
    return {d.Text(kCalibrateObserved),      w.added,
            d.Checked(kCalibrateLinear),     Method(d, w),
            d.Checked(kCalibrateSubsurface), d.Text(kCalibrateTanks)};
}

// The fields to fit for a fit of the list, the wetland type and tanks for P-k-C*.
void ShowMethod(Dialog& d, const CalibrateWindow& w) {
    const bool pkc = !Method(d, w).pkc.empty();
    for (int id : kFieldControls) d.Enable(id, !pkc && !w.running);
    for (int id : kPkcControls) d.Enable(id, pkc && !w.running);
}

void SetRunning(Dialog& d, CalibrateWindow& w, bool running) {
    w.running = running;
    EnableStrip(d, kCalibrateStrip, running, w.outcome.has_value(), w.outcome.has_value());
    for (int id : {kCalibrateBrowse, kCalibrateMethods, kCalibrateLog, kCalibrateLinear})
        d.Enable(id, !running);
    ShowMethod(d, w);
    d.Enable(kCalibrateApply, !running && Applicable(w));
}

void ShowChart(Dialog& d, const CalibrateWindow& w) {
    const int result = d.ChosenItem(kCalibrateResults);
    if (!w.outcome || result < 0) return;
    const auto k = static_cast<std::size_t>(result);
    if (!d.Checked(kCalibrateResiduals))
        return d.SetChart(kCalibrateChart, CalibrationFitChart(*w.outcome, k));
    // The last item, after the condition columns, is the row order.
    const int against = d.ChosenItem(kCalibrateAgainst);
    std::optional<std::size_t> condition;
    if (against >= 0 && static_cast<std::size_t>(against) < w.outcome->conditions.size())
        condition = static_cast<std::size_t>(against);
    d.SetChart(kCalibrateChart, CalibrationResidualChart(*w.outcome, k, condition));
}

void ShowOutcome(Dialog& d, const CalibrateWindow& w) {
    const CalibrationOutcome& outcome = *w.outcome;
    std::vector<std::string> results, against;
    for (const study::ObservedAgreement& a : outcome.calibration.agreement) results.push_back(a.result);
    for (const StudyInput& c : outcome.conditions) against.push_back(c.label);
    against.emplace_back("Row order");
    d.SetItems(kCalibrateResults, results);
    d.ChooseItem(kCalibrateResults, results.empty() ? -1 : 0);
    d.SetItems(kCalibrateAgainst, against);
    d.ChooseItem(kCalibrateAgainst, 0);
    d.SetText(kCalibrateSummary, outcome.summary);
    ShowChart(d, w);
}

void Browse(Dialog& d) {
    const auto chosen = AskCsvFile(d, kKind.name, last_observed);
    if (!chosen) return;
    d.SetText(kCalibrateObserved, *chosen);
    d.SetFocus(kCalibrateRun);  // so that Return runs it
}

void ListAdded(Dialog& d, const CalibrateWindow& w) {
    std::vector<std::string> items;
    for (const FittedInput& f : w.added) items.push_back(FittedInputText(f));
    d.SetItems(kCalibrateFitted, items);
}

void Add(Dialog& d, CalibrateWindow& w) {
    const FittedInputOrError made = MakeFittedInput(w.added, w.chosen ? &w.inputs[*w.chosen] : nullptr,
                                                    d.Text(kCalibrateLow), d.Text(kCalibrateHigh));
    if (!made.input) return Tell(d, made.error);
    w.added.push_back(*made.input);
    ListAdded(d, w);
    d.ChooseItem(kCalibrateFitted, static_cast<int>(w.added.size()) - 1);
}

void Remove(Dialog& d, CalibrateWindow& w) {
    const int item = d.ChosenItem(kCalibrateFitted);
    if (item < 0 || item >= static_cast<int>(w.added.size()))
        return Tell(d, "Choose the field to remove from the list of fields to fit.");
    w.added.erase(w.added.begin() + item);
    ListAdded(d, w);
    d.ChooseItem(kCalibrateFitted, std::min(item, static_cast<int>(w.added.size()) - 1));
}

void Run(Dialog& d, CalibrateWindow& w) {
    const CalibrationRequest request = RequestOf(d, w);
    if (auto error = CalibrationRequestError(request)) return Tell(d, *error);
    std::optional<CalibrationOutcome> outcome;
    std::string failure;
    const ProjectRecord fitted = Project();
    SetRunning(d, w, true);
    const StudyEnd end = RunStudyInBackground(
        d, kCalibrateProgress,
        [&](const std::string& project, const study::ProgressWatch& watch) {
            outcome = RunCalibrationStudy(request, w.inputs, project, watch);
        },
        failure);
    if (end == StudyEnd::Failed) Tell(d, "The fit could not be made: " + failure);
    if (end == StudyEnd::Done && outcome) {
        w.request = request;
        w.outcome = std::move(outcome);
        w.fitted = fitted;
        ShowOutcome(d, w);
    }
    SetRunning(d, w, false);
}

void CopyCommand(Dialog& d, const CalibrateWindow& w) {
    const CalibrationRequest request = RequestOf(d, w);
    if (auto error = CalibrationRequestError(request)) return Tell(d, *error);
    CopyCommandFor(d,
                   [&request](const std::string& project) { return CalibrationCommand(request, project); });
}

// Writes the estimates into the project, once the user agrees.
void Apply(Dialog& d, CalibrateWindow& w) {
    if (!Applicable(w)) return;
    std::vector<AppliedValue> values;
    for (std::size_t k = 0; k < w.request->fits.size(); ++k)
        values.push_back({w.request->fits[k].input, w.outcome->calibration.fit.parameters[k].estimate});
    if (ApplyToProject(d, values)) SetRunning(d, w, false);  // the project is no longer the one fitted
}

void Open(Dialog& d, CalibrateWindow& w) {
    w.methods = CalibrationMethods();
    std::vector<std::string> labels;
    for (const CalibrationMethod& m : w.methods) labels.push_back(m.label);
    d.SetItems(kCalibrateMethods, labels);
    d.ChooseItem(kCalibrateMethods, 0);
    d.SetChecked(kCalibrateLog, true);
    d.SetChecked(kCalibrateFreeWaterSurface, true);
    d.SetChecked(kCalibrateObservedAgainstModelled, true);
    ListInputs(d, kCalibrateSearch, kCalibrateInputs, w.inputs, w.chosen, w.listed);
    SetRunning(d, w, false);
    d.SetFocus(kCalibrateBrowse);
}

void Event(Dialog& d, CalibrateWindow& w, const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::Opened: Open(d, w); break;
        case DialogEvent::TextEdited:
            if (e.id == kCalibrateSearch)
                ListInputs(d, kCalibrateSearch, kCalibrateInputs, w.inputs, w.chosen, w.listed);
            break;
        case DialogEvent::ItemChanged:
            if (e.id == kCalibrateInputs && e.item >= 0 && e.item < static_cast<int>(w.listed.size()))
                w.chosen = w.listed[static_cast<std::size_t>(e.item)];
            if (e.id == kCalibrateMethods) ShowMethod(d, w);
            if (e.id == kCalibrateResults || e.id == kCalibrateAgainst) ShowChart(d, w);
            break;
        case DialogEvent::Clicked:
            if (StripClicked(
                    d, kKind, e.id,
                    {[&] { Run(d, w); }, [&] { CopyCommand(d, w); }, w.outcome ? &w.outcome->csv : nullptr}))
                break;
            if (e.id == kCalibrateApply) Apply(d, w);
            if (e.id == kCalibrateBrowse) Browse(d);
            if (e.id == kCalibrateAdd) Add(d, w);
            if (e.id == kCalibrateRemove) Remove(d, w);
            if (e.id == kCalibrateObservedAgainstModelled || e.id == kCalibrateResiduals) ShowChart(d, w);
            break;
        case DialogEvent::Cancel: CloseOrStop(d, w.running); break;
        default: break;
    }
}

}  // namespace

void ShowCalibrateWindow(Ui& ui, std::vector<StudyInput> inputs) {
    ShowStudyWindow(ui, kCalibrateWindow, CalibrateWindow{.inputs = std::move(inputs)}, Event);
}

}  // namespace velmar
