#include "interface/analysis/uncertainty_window.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "interface/analysis/background_study.h"
#include "interface/analysis/study_window.h"
#include "interface/analysis/uncertainty_study.h"
#include "study/input_effects.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"

namespace velmar {
namespace {

constexpr StudyWindowKind kKind = {kUncertaintyStrip, "uncertainty", "Help for the Uncertainty Window",
                                   "uncertainty.txt"};

struct UncertaintyWindow {
    std::vector<StudyInput> inputs;
    std::vector<std::size_t> listed;  // the inputs the list shows, by position in `inputs`
    std::optional<std::size_t> chosen;
    std::size_t kind = 0;  // in kDistributionChoices
    std::vector<UncertainInput> added;
    std::vector<StudyResult> results;
    std::optional<UncertaintyTable> table;  // of the last run that finished
    bool running = false;
};

void ListAdded(Dialog& d, const UncertaintyWindow& w) {
    std::vector<std::string> items;
    for (const UncertainInput& u : w.added) items.push_back(UncertainInputText(u));
    d.SetItems(kUncertaintyAdded, items);
}

// The kind's parameters labelled, the third shown for a kind that has one, and values
// suggested from the chosen input's present value.
void ShowKind(Dialog& d, UncertaintyWindow& w, std::size_t kind) {
    w.kind = kind;
    const DistributionChoice& choice = kDistributionChoices[kind];
    for (int p = 0; p < kUncertaintyParameterCount; ++p) {
        const bool used = static_cast<std::size_t>(p) < choice.count;
        d.SetText(kUncertaintyFirstParameterLabel + p, choice.labels[static_cast<std::size_t>(p)]);
        d.Show(kUncertaintyFirstParameterLabel + p, used);
        d.Show(kUncertaintyFirstParameter + p, used);
    }
    if (!w.chosen) return;
    const std::array<std::string, 3> suggested =
        SuggestedParameters(kind, CurrentValue(Project(), w.inputs[*w.chosen].name));
    for (int p = 0; p < kUncertaintyParameterCount; ++p)
        d.SetText(kUncertaintyFirstParameter + p, suggested[static_cast<std::size_t>(p)]);
}

void Add(Dialog& d, UncertaintyWindow& w) {
    std::array<std::string, 3> parameters;
    for (int p = 0; p < kUncertaintyParameterCount; ++p)
        parameters[static_cast<std::size_t>(p)] = d.Text(kUncertaintyFirstParameter + p);
    const UncertainInputOrError made =
        MakeUncertainInput(w.added, w.chosen ? &w.inputs[*w.chosen] : nullptr, w.kind, parameters);
    if (!made.input) return Tell(d, made.error);
    w.added.push_back(*made.input);
    ListAdded(d, w);
    d.ChooseItem(kUncertaintyAdded, static_cast<int>(w.added.size()) - 1);
}

void Remove(Dialog& d, UncertaintyWindow& w) {
    const int item = d.ChosenItem(kUncertaintyAdded);
    if (item < 0 || item >= static_cast<int>(w.added.size()))
        return Tell(d, "Choose the uncertain input to remove from the list.");
    w.added.erase(w.added.begin() + item);
    ListAdded(d, w);
    d.ChooseItem(kUncertaintyAdded, std::min(item, static_cast<int>(w.added.size()) - 1));
}

// The target typed, for the result charted: "TPoutConc=0.1", or empty.
std::string TargetArgument(const Dialog& d, const UncertaintyWindow& w) {
    const int result = d.ChosenItem(kUncertaintyResults);
    const std::optional<double> value = TypedNumber(d.Text(kUncertaintyTarget));
    if (result < 0 || !value) return "";
    return w.results[static_cast<std::size_t>(result)].name + "=" + TrimmedText(d.Text(kUncertaintyTarget));
}

UncertaintyRequest RequestOf(const Dialog& d, const UncertaintyWindow& w) {
    return {w.added, d.Text(kUncertaintySamples), d.Text(kUncertaintySeed),
            d.Checked(kUncertaintyLatinHypercube), TargetArgument(d, w)};
}

// The histogram of the chosen result with the target typed, and the chance of meeting it.
void DrawChart(Dialog& d, const UncertaintyWindow& w) {
    const int result = d.ChosenItem(kUncertaintyResults);
    if (!w.table || result < 0) return d.SetText(kUncertaintyChance, "");
    const auto k = static_cast<std::size_t>(result);
    const std::optional<study::ResultTarget> target =
        UncertaintyTarget(*w.table, k, d.Text(kUncertaintyTarget));
    d.SetText(kUncertaintyChance, target ? ChanceText(*w.table, k, *target) : "");
    d.SetChart(kUncertaintyChart, UncertaintyChart(*w.table, k, target));
}

void SetRunning(Dialog& d, UncertaintyWindow& w, bool running) {
    w.running = running;
    EnableStrip(d, kUncertaintyStrip, running, w.table.has_value(), w.table.has_value());
}

void Run(Dialog& d, UncertaintyWindow& w) {
    const UncertaintyRequest request = RequestOf(d, w);
    if (auto error = UncertaintyRequestError(request)) return Tell(d, *error);
    std::optional<UncertaintyTable> table;
    std::string failure;
    SetRunning(d, w, true);
    const StudyEnd end = RunStudyInBackground(
        d, kUncertaintyProgress,
        [&](const std::string& project, const study::ProgressWatch& watch) {
            table = RunUncertaintyStudy(request, w.results, project, watch);
        },
        failure);
    if (end == StudyEnd::Failed) Tell(d, "The uncertainty study could not be run: " + failure);
    if (end == StudyEnd::Done && table) {
        w.table = std::move(table);
        d.SetText(kUncertaintySummary, UncertaintySummary(*w.table));
        DrawChart(d, w);
        // The notes on samples stand in the summary beside the statistics they concern; a note
        // on an input is told.
        std::vector<std::string> on_inputs;
        std::copy_if(w.table->notes.begin(), w.table->notes.end(), std::back_inserter(on_inputs),
                     [](const std::string& note) { return note.ends_with(study::kChangesNoResult); });
        TellNotes(d, on_inputs);
    }
    SetRunning(d, w, false);
}

void CopyCommand(Dialog& d, const UncertaintyWindow& w) {
    const UncertaintyRequest request = RequestOf(d, w);
    if (auto error = UncertaintyRequestError(request)) return Tell(d, *error);
    CopyCommandFor(d,
                   [&request](const std::string& project) { return UncertaintyCommand(request, project); });
}

void Open(Dialog& d, UncertaintyWindow& w) {
    w.results = ModelledResults(Project());
    std::vector<std::string> items;
    for (const StudyResult& r : w.results) items.push_back(r.label);
    d.SetItems(kUncertaintyResults, items);
    if (!items.empty()) d.ChooseItem(kUncertaintyResults, 0);
    ListInputs(d, kUncertaintySearch, kUncertaintyInputs, w.inputs, w.chosen, w.listed);
    d.SetChecked(kUncertaintyUniform, true);
    ShowKind(d, w, 0);
    d.SetFocus(kUncertaintySearch);
}

void Event(Dialog& d, UncertaintyWindow& w, const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::Opened: Open(d, w); break;
        case DialogEvent::TextEdited:
            if (e.id == kUncertaintySearch)
                ListInputs(d, kUncertaintySearch, kUncertaintyInputs, w.inputs, w.chosen, w.listed);
            if (e.id == kUncertaintyTarget) DrawChart(d, w);
            break;
        case DialogEvent::ItemChanged:
            if (e.id == kUncertaintyResults) DrawChart(d, w);
            if (e.id == kUncertaintyInputs && e.item >= 0 && e.item < static_cast<int>(w.listed.size())) {
                w.chosen = w.listed[static_cast<std::size_t>(e.item)];
                ShowKind(d, w, w.kind);
            }
            break;
        case DialogEvent::Clicked:
            if (StripClicked(
                    d, kKind, e.id,
                    {[&] { Run(d, w); }, [&] { CopyCommand(d, w); }, w.table ? &w.table->csv : nullptr}))
                break;
            if (e.id >= kUncertaintyUniform && e.id <= kUncertaintyLognormal)
                ShowKind(d, w, static_cast<std::size_t>(e.id - kUncertaintyUniform));
            if (e.id == kUncertaintyAdd) Add(d, w);
            if (e.id == kUncertaintyRemove) Remove(d, w);
            break;
        case DialogEvent::Cancel: CloseOrStop(d, w.running); break;
        default: break;
    }
}

}  // namespace

void ShowUncertaintyWindow(Ui& ui, std::vector<StudyInput> inputs) {
    ShowStudyWindow(ui, kUncertaintyWindow, UncertaintyWindow{.inputs = std::move(inputs)}, Event);
}

}  // namespace velmar
