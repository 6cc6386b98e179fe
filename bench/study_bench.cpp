// Monte Carlo uncertainty against the bare engine: the same model evaluations, with and
// without sampling, field writes, derived system values and statistics around them, on one
// thread and on two. Items per second are evaluations (samples) per second of wall time;
// the CPU column of the uncertainty runs is the whole process's, so samples per CPU second
// (200000 / CPU time) is the rate per core, to set beside the bare engine's.
// BM_SharesOfTheEngine measures the two ratios directly, timing the three runs in turn within
// each iteration, so that a machine whose speed drifts while the benchmark runs still compares
// like with like: per_core_share is the bare engine's CPU time over the one-thread study's,
// two_thread_speedup the one-thread study's wall time over the two-thread study's.
// BM_UnknownLongName looks up a field name of a million characters, as a paste by mistake
// gives: it is refused without suggestions in about the time it takes to read it, where an
// edit distance to every known name would take seconds.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>

#include "model/driver.h"
#include "study/commands.h"
#include "study/fields.h"
#include "study/project_input.h"
#include "study/study_error.h"

namespace velmar {
namespace {

const std::string kProject = VELMAR_SOURCE_DIR "/examples/typical.inp";
constexpr std::int64_t kSamples = 200000;

ModelState ReadProject() {
    ModelState input;
    study::ReadStudyProject(kProject, input);
    return input;
}

void RunEngine(const ModelState& input, std::int64_t evaluations) {
    ModelState s;
    for (std::int64_t i = 0; i < evaluations; ++i) {
        s = input;
        ComputeModel(s);
        benchmark::DoNotOptimize(s.RE_TP);
    }
}

// The settling velocity known to a factor of two and the depth within 20 %: every sample
// also recomputes the volume, detention time and velocity that follow the depth.
study::UncertaintyOptions Study(int threads) {
    study::UncertaintyOptions o;
    o.project = kProject;
    o.distributions = {"Vs=lognormal(0.5,2)", "depth=uniform(0.4,0.6)"};
    o.samples = kSamples;
    o.output = "/dev/null";
    o.threads = threads;
    return o;
}

void RunStudy(benchmark::State& state, const study::UncertaintyOptions& o) {
    if (study::Uncertainty(o) != 0) state.SkipWithError("the study failed");
}

double ProcessSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The CPU and wall seconds that `run` takes.
template <typename Run>
std::pair<double, double> Timed(Run run) {
    const double cpu = ProcessSeconds(), wall = WallSeconds();
    run();
    return {ProcessSeconds() - cpu, WallSeconds() - wall};
}

void BM_BareEngine(benchmark::State& state) {
    const ModelState input = ReadProject();
    for (auto _ : state) RunEngine(input, 1);
    state.SetItemsProcessed(state.iterations());
}

void BM_Uncertainty(benchmark::State& state) {
    const study::UncertaintyOptions o = Study(static_cast<int>(state.range(0)));
    for (auto _ : state) RunStudy(state, o);
    state.SetItemsProcessed(state.iterations() * kSamples);
}

void BM_SharesOfTheEngine(benchmark::State& state) {
    const ModelState input = ReadProject();
    const study::UncertaintyOptions one = Study(1), two = Study(2);
    double engine_cpu = 0, one_cpu = 0, one_wall = 0, two_wall = 0;
    for (auto _ : state) {
        engine_cpu += Timed([&] { RunEngine(input, kSamples); }).first;
        const auto [cpu, wall] = Timed([&] { RunStudy(state, one); });
        one_cpu += cpu;
        one_wall += wall;
        two_wall += Timed([&] { RunStudy(state, two); }).second;
    }
    state.counters["per_core_share"] = engine_cpu / one_cpu;
    state.counters["two_thread_speedup"] = one_wall / two_wall;
}

void BM_UnknownLongName(benchmark::State& state) {
    const std::string name(1'000'000, 'x');
    for (auto _ : state) {
        try {
            study::FindInputField(name);
        } catch (const study::StudyError&) {
        }
    }
}

BENCHMARK(BM_BareEngine)->UseRealTime();
BENCHMARK(BM_Uncertainty)
    ->Arg(1)
    ->Arg(2)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SharesOfTheEngine)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnknownLongName)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmar

BENCHMARK_MAIN();
