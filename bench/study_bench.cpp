// Monte Carlo uncertainty against the bare engine: the same model evaluations, with and
// without sampling, field writes, derived system values and statistics around them, on one
// thread and on two. Items per second are evaluations (samples) per second of wall time;
// the CPU column of the uncertainty runs is the whole process's, so samples per CPU second
// (200000 / CPU time) is the rate per core, to set beside the bare engine's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/driver.h"
#include "model/input.h"
#include "study/commands.h"

namespace velmar {
namespace {

const std::string kProject = VELMAR_SOURCE_DIR "/examples/typical.inp";
constexpr std::int64_t kSamples = 200000;

void BM_BareEngine(benchmark::State& state) {
    ModelState input;
    SetEngineStartValues(input);
    std::FILE* file = std::fopen(kProject.c_str(), "r");
    if (file == nullptr) std::abort();
    ReadModelInput(file, input);
    std::fclose(file);
    ModelState s;
    for (auto _ : state) {
        s = input;
        ComputeModel(s);
        benchmark::DoNotOptimize(s.RE_TP);
    }
    state.SetItemsProcessed(state.iterations());
}

// The settling velocity known to a factor of two and the depth within 20 %: every sample
// also recomputes the volume, detention time and velocity that follow the depth.
void BM_Uncertainty(benchmark::State& state) {
    study::UncertaintyOptions o;
    o.project = kProject;
    o.distributions = {"Vs=lognormal(0.5,2)", "depth=uniform(0.4,0.6)"};
    o.samples = kSamples;
    o.output = "/dev/null";
    o.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        if (study::Uncertainty(o) != 0) state.SkipWithError("the study failed");
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
}

BENCHMARK(BM_BareEngine)->UseRealTime();
BENCHMARK(BM_Uncertainty)
    ->Arg(1)
    ->Arg(2)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmar

BENCHMARK_MAIN();
