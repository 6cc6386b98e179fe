// The Run Model round trip for the typical project: write data.tmp, run velmar, read
// Results.txt and fill the results screen (on the scripted host, so no window is drawn).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "interface/platform/run_program.h"
#include "interface/platform/scripted/scripted_ui.h"
#include "interface/resources/templates.h"
#include "interface/session/state.h"
#include "interface/shell/run_model.h"
#include "project/project_file.h"

namespace velmar {
namespace {

void BM_RunModelRoundTrip(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "velmar-run-model-bench";
    fs::create_directories(folder);
    fs::copy_file(VELMAR_ENGINE, folder / "velmar", fs::copy_options::overwrite_existing);
    const fs::path previous = fs::current_path();
    fs::current_path(folder);

    Project() = ProgramStartRecord();
    ClearProject();
    if (ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project()) != 0) std::abort();
    ScriptedUi ui;
    ui.OnRun(
        [](const ScriptedUi::ProgramRun& run) { return RunProgramAndWaitFor(run.program, run.arguments); });
    for (auto _ : state) {
        ui.Expect(kResultsDialog).PressOk();
        RunModel(ui);
    }
    if (!ui.ScriptDone() || Project().Vn != 0.5) state.SkipWithError("the run did not complete");

    fs::current_path(previous);
    fs::remove_all(folder);
}

BENCHMARK(BM_RunModelRoundTrip)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmar

BENCHMARK_MAIN();
