#include "interface/analysis/size_window.h"

#include <cstring>
#include <optional>

#include "interface/analysis/background_study.h"
#include "interface/analysis/size_study.h"
#include "interface/analysis/study_window.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"

namespace velmar {
namespace {

constexpr StudyWindowKind kKind = {kSizeStrip, "size", "Help for the Size Window", "size.txt"};

// What the window shows, kept while the program runs so that it opens again as it was left:
// for the same project file, what was typed; while the project is also as it was, what was
// found, which another project, or this one changed since, may no longer reach.
struct SizeShown {
    std::string file;
    ProjectRecord project;
    std::optional<SizeRequest> typed;    // the result, target, input and range as left
    std::optional<SizeRequest> request;  // of the last run that finished, and what it found
    std::optional<SizeOutcome> outcome;
};

SizeShown& Shown() {
    static SizeShown shown;
    return shown;
}

struct SizeWindow {
    std::vector<StudyInput> inputs;
    std::vector<std::size_t> listed;  // the inputs the list shows, by position in `inputs`
    std::optional<std::size_t> chosen;
    std::vector<StudyResult> results;
    std::optional<SizeRequest> request;  // of the last run that finished, and what it found
    std::optional<SizeOutcome> outcome;
    bool running = false;
};

bool Found(const SizeWindow& w) {
    return w.outcome && w.outcome->value;
}

double Present(const SizeWindow& w) {
    return w.chosen ? CurrentValue(Project(), w.inputs[*w.chosen].name) : 0;
}

SizeRequest RequestOf(const Dialog& d, const SizeWindow& w) {
    const int result = d.ChosenItem(kSizeResults);
    return {result >= 0 ? w.results[static_cast<std::size_t>(result)] : StudyResult{},
            TrimmedText(d.Text(kSizeTarget)), w.chosen ? w.inputs[*w.chosen] : StudyInput{},
            TrimmedText(d.Text(kSizeFrom)), TrimmedText(d.Text(kSizeTo))};
}

void SetRunning(Dialog& d, SizeWindow& w, bool running) {
    w.running = running;
    EnableStrip(d, kSizeStrip, running, w.outcome.has_value(), w.outcome.has_value());
    d.Enable(kSizeApply, !running && Found(w));
}

void ShowOutcome(Dialog& d, const SizeWindow& w) {
    d.SetText(kSizeAnswer, SizeAnswer(*w.request, *w.outcome));
    d.SetChart(kSizeChart, SizeChart(*w.request, *w.outcome, Project()));
}

void Run(Dialog& d, SizeWindow& w) {
    const SizeRequest request = RequestOf(d, w);
    const double present = Present(w);
    if (auto error = SizeRequestError(request, present)) return Tell(d, *error);
    std::optional<SizeOutcome> outcome;
    std::string failure;
    SetRunning(d, w, true);
    const StudyEnd end = RunStudyInBackground(
        d, kSizeProgress,
        [&](const std::string& project, const study::ProgressWatch& watch) {
            outcome = RunSizeStudy(request, project, present, watch);
        },
        failure);
    if (end == StudyEnd::Failed) Tell(d, "The size could not be found: " + failure);
    if (end == StudyEnd::Done && outcome) {
        w.request = request;
        w.outcome = std::move(outcome);
        ShowOutcome(d, w);
        TellNotes(d, w.outcome->curve.notes);
        if (auto note = WholeVolumeRatioNote(request.input, w.outcome->curve)) Tell(d, *note);
    }
    SetRunning(d, w, false);
}

void CopyCommand(Dialog& d, const SizeWindow& w) {
    const SizeRequest request = RequestOf(d, w);
    if (auto error = SizeRequestError(request, Present(w))) return Tell(d, *error);
    CopyCommandFor(d, [&request](const std::string& project) { return SizeCommand(request, project); });
}

// Writes the value found into the project, once the user agrees.
void Apply(Dialog& d, SizeWindow& w) {
    if (!Found(w)) return;
    if (ApplyToProject(d, {{w.request->input, *w.outcome->value}}))
        ShowOutcome(d, w);  // the present value has moved to the value found
}

// The position of the item named `name` in `items`, if there is one.
template <typename Item>
std::optional<std::size_t> Named(const std::vector<Item>& items, const std::string& name) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].name == name) return i;
    }
    return std::nullopt;
}

// Shows what the window showed when it was last closed, as far as the project still has it.
void Restore(Dialog& d, SizeWindow& w) {
    const SizeShown& shown = Shown();
    if (!shown.typed || shown.file != Shell().current_file) return;
    if (auto result = Named(w.results, shown.typed->result.name))
        d.ChooseItem(kSizeResults, static_cast<int>(*result));
    d.SetText(kSizeTarget, shown.typed->target);
    w.chosen = Named(w.inputs, shown.typed->input.name);
    d.SetText(kSizeFrom, shown.typed->from);
    d.SetText(kSizeTo, shown.typed->to);
    const bool unchanged = std::memcmp(&shown.project, &Project(), sizeof(ProjectRecord)) == 0;
    if (!shown.outcome || !unchanged) return;
    w.request = shown.request;
    w.outcome = shown.outcome;
    ShowOutcome(d, w);
}

void Keep(const Dialog& d, const SizeWindow& w) {
    Shown() = {Shell().current_file, Project(), RequestOf(d, w), w.request, w.outcome};
}

void Open(Dialog& d, SizeWindow& w) {
    w.results = ModelledResults(Project());
    std::vector<std::string> items;
    for (const StudyResult& r : w.results) items.push_back(r.label);
    d.SetItems(kSizeResults, items);
    Restore(d, w);
    ListInputs(d, kSizeSearch, kSizeInputs, w.inputs, w.chosen, w.listed);
    SetRunning(d, w, false);
    d.SetFocus(kSizeResults);
}

void Event(Dialog& d, SizeWindow& w, const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::Opened: Open(d, w); break;
        case DialogEvent::TextEdited:
            if (e.id == kSizeSearch) ListInputs(d, kSizeSearch, kSizeInputs, w.inputs, w.chosen, w.listed);
            break;
        case DialogEvent::ItemChanged:
            if (e.id == kSizeInputs && e.item >= 0 && e.item < static_cast<int>(w.listed.size()))
                w.chosen = w.listed[static_cast<std::size_t>(e.item)];
            break;
        case DialogEvent::Clicked:
            if (e.id == kSizeApply) Apply(d, w);
            StripClicked(
                d, kKind, e.id,
                {[&] { Run(d, w); }, [&] { CopyCommand(d, w); }, w.outcome ? &SizeCsv(*w.outcome) : nullptr});
            break;
        case DialogEvent::Cancel:
            if (!w.running) Keep(d, w);
            CloseOrStop(d, w.running);
            break;
        default: break;
    }
}

}  // namespace

void ShowSizeWindow(Ui& ui, std::vector<StudyInput> inputs) {
    ShowStudyWindow(ui, kSizeWindow, SizeWindow{.inputs = std::move(inputs)}, Event);
}

}  // namespace velmar
