#include "interface/analysis/sweep_window.h"

#include <cmath>
#include <optional>

#include "interface/analysis/background_study.h"
#include "interface/analysis/study_window.h"
#include "interface/analysis/sweep_study.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"
#include "study/constituents.h"

namespace velmar {
namespace {

constexpr StudyWindowKind kKind = {kSweepStrip, "sweep", "Help for the Sweep Window", "sweep.txt"};

struct SweepWindow {
    std::vector<StudyInput> inputs;
    std::vector<std::size_t> listed[2];  // the inputs each list shows, by position in `inputs`
    std::optional<std::size_t> chosen[2];
    std::vector<std::string> constituents;  // the modelled ones' names, in the check list's order
    std::optional<SweepRequest> request;    // of the last run that finished, and its results
    std::optional<SweepTable> table;
    bool running = false;
};

bool Family(const Dialog& d) {
    return d.Checked(kSweepFamily);
}

// A range about the present value: half to twice it, or 0 to 1 when it is 0.
void SuggestRange(Dialog& d, const SweepInputControls& c, double present) {
    const bool zero = present == 0 || !std::isfinite(present);
    const double low = zero ? 0 : std::min(present / 2, present * 2);
    const double high = zero ? 1 : std::max(present / 2, present * 2);
    d.SetText(c.from, PlainNumber(low));
    d.SetText(c.to, PlainNumber(high));
}

void Choose(Dialog& d, SweepWindow& w, int k, int item) {
    if (item < 0 || item >= static_cast<int>(w.listed[k].size())) return;
    w.chosen[k] = w.listed[k][static_cast<std::size_t>(item)];
    SuggestRange(d, kSweepInputs[k], CurrentValue(Project(), w.inputs[*w.chosen[k]].name));
}

// The second input's controls and their labels, all but the check box that turns them on.
void EnableSecondInput(Dialog& d) {
    for (const Control& c : Template(kSweepWindow).controls) {
        if (c.at.group == kSweepSecondGroup && c.id != kSweepFamily) d.Enable(c.id, Family(d));
    }
}

SweepRequest RequestOf(const Dialog& d, const SweepWindow& w) {
    SweepRequest request{.log = d.Checked(kSweepLog)};
    for (int k = 0; k < (Family(d) ? 2 : 1); ++k) {
        const SweepInputControls& c = kSweepInputs[k];
        request.ranges.push_back({w.chosen[k] ? w.inputs[*w.chosen[k]] : StudyInput{}, d.Text(c.from),
                                  d.Text(c.to), d.Text(c.steps)});
    }
    return request;
}

void DrawChart(Dialog& d, const SweepWindow& w) {
    if (!w.table) return;
    std::vector<std::size_t> chosen;
    for (std::size_t k = 0; k < w.constituents.size(); ++k) {
        if (d.ItemChecked(kSweepConstituents, static_cast<int>(k))) chosen.push_back(k);
    }
    const SweepMeasure measure = d.Checked(kSweepOutflow) ? SweepMeasure::Outflow : SweepMeasure::Efficiency;
    d.SetChart(kSweepChart, SweepChart(*w.request, *w.table, Project(), chosen, measure));
}

void SetRunning(Dialog& d, SweepWindow& w, bool running) {
    w.running = running;
    EnableStrip(d, kSweepStrip, running, w.table.has_value(), w.table.has_value());
}

void Run(Dialog& d, SweepWindow& w) {
    const SweepRequest request = RequestOf(d, w);
    if (auto error = SweepRequestError(request)) return Tell(d, *error);
    std::optional<SweepTable> table;
    std::string failure;
    SetRunning(d, w, true);
    const StudyEnd end = RunStudyInBackground(
        d, kSweepProgress,
        [&](const std::string& project, const study::ProgressWatch& watch) {
            table = RunSweepStudy(request, project, watch);
        },
        failure);
    if (end == StudyEnd::Failed) Tell(d, "The sweep could not be run: " + failure);
    if (end == StudyEnd::Done && table) {
        w.request = request;
        w.table = std::move(table);
        DrawChart(d, w);
        TellNotes(d, w.table->notes);
        if (auto note = WholeVolumeRatioNote(request.ranges[0].input, *w.table)) Tell(d, *note);
    }
    SetRunning(d, w, false);
}

void CopyCommand(Dialog& d, const SweepWindow& w) {
    const SweepRequest request = RequestOf(d, w);
    if (auto error = SweepRequestError(request)) return Tell(d, *error);
    CopyCommandFor(d, [&request](const std::string& project) { return SweepCommand(request, project); });
}

void Open(Dialog& d, SweepWindow& w) {
    for (const study::ConstituentResults& c : study::ModelledConstituents(Project()))
        w.constituents.push_back(c.name);
    d.SetItems(kSweepConstituents, w.constituents);
    for (std::size_t k = 0; k < w.constituents.size(); ++k)
        d.SetItemChecked(kSweepConstituents, static_cast<int>(k), true);
    d.SetChecked(kSweepEfficiency, true);
    for (int k = 0; k < 2; ++k)
        ListInputs(d, kSweepInputs[k].search, kSweepInputs[k].list, w.inputs, w.chosen[k], w.listed[k]);
    d.SetFocus(kSweepFirstSearch);
}

void Event(Dialog& d, SweepWindow& w, const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::Opened: Open(d, w); break;
        case DialogEvent::TextEdited:
            for (int k = 0; k < 2; ++k) {
                if (e.id == kSweepInputs[k].search)
                    ListInputs(d, kSweepInputs[k].search, kSweepInputs[k].list, w.inputs, w.chosen[k],
                               w.listed[k]);
            }
            break;
        case DialogEvent::ItemChanged:
            if (e.id == kSweepConstituents) DrawChart(d, w);
            for (int k = 0; k < 2; ++k) {
                if (e.id == kSweepInputs[k].list) Choose(d, w, k, e.item);
            }
            break;
        case DialogEvent::Clicked:
            if (StripClicked(
                    d, kKind, e.id,
                    {[&] { Run(d, w); }, [&] { CopyCommand(d, w); }, w.table ? &w.table->csv : nullptr}))
                break;
            if (e.id == kSweepFamily) EnableSecondInput(d);
            if (e.id == kSweepEfficiency || e.id == kSweepOutflow) DrawChart(d, w);
            break;
        case DialogEvent::Cancel: CloseOrStop(d, w.running); break;
        default: break;
    }
}

}  // namespace

void ShowSweepWindow(Ui& ui, std::vector<StudyInput> inputs) {
    ShowStudyWindow(ui, kSweepWindow, SweepWindow{.inputs = std::move(inputs)}, Event);
}

}  // namespace velmar
