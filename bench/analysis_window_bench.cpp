// The analysis windows' studies as a user starts them, on the scripted host (so no window is
// drawn): everything from Run to the chart and statistics shown, on every core.
//   uncertainty_window  100,000 samples of examples/typical.inp, the area uniform and the
//                       depth triangular about their values; a second at most on two cores
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "interface/analysis/uncertainty_window.h"
#include "interface/platform/scripted/scripted_dialog.h"
#include "interface/platform/scripted/scripted_ui.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"
#include "interface/shell/study_inputs.h"
#include "project/project_file.h"

namespace velmar {
namespace {

void BM_UncertaintyWindow(benchmark::State& state) {
    Project() = ProgramStartRecord();
    ClearProject();
    if (ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project()) != 0) std::abort();
    const std::vector<StudyInput> inputs = ScreenInputs();
    std::size_t bars = 0;
    for (auto _ : state) {
        ScriptedUi ui;
        ui.Expect(kUncertaintyWindow);
        ui.Type(kUncertaintySearch, "Avg. Annual Area")
            .ChooseItem(kUncertaintyInputs, 0)
            .Click(kUncertaintyAdd);
        ui.Type(kUncertaintySearch, "Avg. Annual Depth")
            .ChooseItem(kUncertaintyInputs, 0)
            .Click(kUncertaintyTriangular);
        ui.Click(kUncertaintyAdd).Type(kUncertaintySamples, "100000").Click(kUncertaintyRun);
        ui.Inspect([&bars](Dialog& d) {
            bars =
                static_cast<ScriptedDialog&>(d).ShownChart(kUncertaintyChart).series.at(0).points.size() / 2 -
                1;
        });
        ui.PressEscape();
        ShowUncertaintyWindow(ui, inputs);
        if (!ui.ScriptDone() || bars == 0) state.SkipWithError("the study did not complete");
    }
}

BENCHMARK(BM_UncertaintyWindow)->Name("uncertainty_window")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace velmar

BENCHMARK_MAIN();
