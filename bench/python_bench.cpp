// The Python module against what it wraps, each pair timed in turn within every iteration so
// that a machine whose speed drifts still compares like with like:
//   run_share      project.run() from Python over a bare in-process engine evaluation (a copy
//                  of the project's state and ComputeModel), per run;
//   sweep_share    velmar.sweep over the velmar-study sweep command (CSV to /dev/null) for the
//                  same 100,000 points on two threads.
#include <benchmark/benchmark.h>
#include <pybind11/embed.h>

#include <chrono>

#include "model/driver.h"
#include "study/commands.h"
#include "study/project_input.h"

namespace velmar {
namespace {

namespace py = pybind11;

const std::string kProject = VELMAR_SOURCE_DIR "/examples/typical.inp";
constexpr int kRuns = 20000;
constexpr int kSweepPoints = 100000;

py::module_& Velmar() {
    static py::scoped_interpreter python;
    static py::module_ velmar = [] {
        py::module_::import("sys").attr("path").attr("insert")(0, VELMAR_PYTHON_DIR);
        return py::module_::import("velmar");
    }();
    return velmar;
}

template <typename Work>
double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_RunShareOfTheEngine(benchmark::State& state) {
    ModelState input;
    study::ReadStudyProject(kProject, input);
    const py::object run = Velmar().attr("Project").attr("read")(kProject).attr("run");
    double bare = 0, python = 0;
    for (auto _ : state) {
        bare += Seconds([&] {
            ModelState s;
            for (int i = 0; i < kRuns; ++i) {
                s = input;
                ComputeModel(s);
                benchmark::DoNotOptimize(s.RE_TP);
            }
        });
        python += Seconds([&] {
            for (int i = 0; i < kRuns; ++i) benchmark::DoNotOptimize(run().ptr());
        });
    }
    state.counters["bare_us"] = bare / static_cast<double>(state.iterations() * kRuns) * 1e6;
    state.counters["run_us"] = python / static_cast<double>(state.iterations() * kRuns) * 1e6;
    state.counters["run_share"] = python / bare;
}

void BM_SweepShareOfTheCommand(benchmark::State& state) {
    study::SweepOptions command;
    command.project = kProject;
    command.vary = {"Vs=0.1:1.5:" + std::to_string(kSweepPoints)};
    command.output = "/dev/null";
    command.threads = 2;
    py::dict vary;
    vary["Vs"] = py::make_tuple(0.1, 1.5, kSweepPoints);
    const py::object sweep = Velmar().attr("sweep");
    double by_command = 0, by_python = 0;
    for (auto _ : state) {
        by_command += Seconds([&] {
            if (study::Sweep(command) != 0) state.SkipWithError("the sweep failed");
        });
        by_python +=
            Seconds([&] { benchmark::DoNotOptimize(sweep(kProject, vary, py::arg("threads") = 2).ptr()); });
    }
    state.counters["command_s"] = by_command / static_cast<double>(state.iterations());
    state.counters["python_s"] = by_python / static_cast<double>(state.iterations());
    state.counters["sweep_share"] = by_python / by_command;
}

BENCHMARK(BM_RunShareOfTheEngine)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SweepShareOfTheCommand)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmar

BENCHMARK_MAIN();
