// velmar-study series over a 100-year daily record (36,525 rows of flow, temperature and inflow
// TSS) against the bare engine making the same number of runs. No example project models every
// constituent at once, so each example runs the record: conventional.inp (TSS, coliforms, BOD,
// TN), organics_metals.inp (TSS, three organic chemicals, three metals) and typical.inp (TSS,
// established-wetland TP). BM_Series is the command on two threads, output and summary written
// to /dev/null; engine_share is the series' CPU time over the bare engine's, the runs timed in
// turn within each iteration.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/driver.h"
#include "study/commands.h"
#include "study/project_input.h"

namespace velmar {
namespace {

constexpr int kDays = 36525;
const char* const kProjects[] = {"conventional.inp", "organics_metals.inp", "typical.inp"};

std::string ProjectPath(std::int64_t i) {
    return std::string(VELMAR_SOURCE_DIR "/examples/") + kProjects[i];
}

// A made-up record: seasonal temperature, a flow with a storm every tenth day, TSS rising with it.
const std::string& RecordPath() {
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "velmar-series-bench.csv").string();
        std::ofstream out(file);
        out << "date,flow,temperature,TSSinConc\n";
        int year = 1950, month = 1, day = 1;
        constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int d = 0; d < kDays; ++d) {
            const double flow = 0.4 + (d % 10 == 3 ? 2.0 : 0.0) + 0.1 * std::sin(d * 0.0172);
            char date[40];
            std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
            out << date << ',' << flow << ',' << 15 + 10 * std::sin(d * 0.0172) << ',' << 20 * flow / 0.4
                << '\n';
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            if (++day > kMonthDays[month - 1] + (month == 2 && leap)) {
                day = 1;
                if (++month > 12) month = 1, ++year;
            }
        }
        return file;
    }();
    return path;
}

double ProcessSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

study::SeriesOptions Options(std::int64_t project, int threads) {
    study::SeriesOptions o;
    o.project = ProjectPath(project);
    o.record = RecordPath();
    o.output = "/dev/null";
    o.summary = "/dev/null";
    o.threads = threads;
    return o;
}

void BareEngine(const ModelState& input) {
    ModelState s;
    for (int i = 0; i < kDays; ++i) {
        s = input;
        ComputeModel(s);
        benchmark::DoNotOptimize(s.RE_TSS);
    }
}

void BM_Series(benchmark::State& state) {
    const study::SeriesOptions o = Options(state.range(0), 2);
    for (auto _ : state) {
        if (study::Series(o) != 0) state.SkipWithError("the series failed");
    }
    state.SetLabel(kProjects[state.range(0)]);
    state.SetItemsProcessed(state.iterations() * kDays);
}

void BM_EngineShare(benchmark::State& state) {
    const study::SeriesOptions o = Options(state.range(0), 1);
    ModelState input;
    study::ReadStudyProject(o.project, input);
    double engine = 0, series = 0;
    for (auto _ : state) {
        double start = ProcessSeconds();
        BareEngine(input);
        engine += ProcessSeconds() - start;
        start = ProcessSeconds();
        if (study::Series(o) != 0) state.SkipWithError("the series failed");
        series += ProcessSeconds() - start;
    }
    state.SetLabel(kProjects[state.range(0)]);
    state.counters["engine_share"] = series / engine;
}

BENCHMARK(BM_Series)->DenseRange(0, 2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineShare)->DenseRange(0, 2)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmar

BENCHMARK_MAIN();
