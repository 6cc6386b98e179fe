// Fitting two fields, the BOD rate and its temperature factor, to 1000 observations of the BOD
// outflow at varied flows and temperatures, from a start away from the values they were made
// at, on one thread and on two. The counters say how many evaluations (each a run per
// observation) the search took.
#include <benchmark/benchmark.h>

#include <cmath>
#include <sstream>

#include "project/csv_text.h"
#include "study/calibration.h"
#include "study/evaluation.h"
#include "study/project_input.h"

namespace velmar {
namespace {

const std::string kProject = VELMAR_SOURCE_DIR "/examples/conventional.inp";
constexpr int kRows = 1000;

// The observations: the model at a rate of 0.3 /day and a factor of 1.06 at each row's flow
// and temperature, times a spread of ±5 % that repeats every seven rows.
std::string Observations(const ModelState& project) {
    const study::Study at_known(
        kProject, project,
        {study::FindInputField("flow"), study::FindInputField("temperature"),
         study::FindInputField("bod_decay_rate20"), study::FindInputField("theta_bod")});
    std::string csv = "flow,temperature,BODoutConc\n";
    ModelState s;
    study::ResultValues results;
    for (int i = 0; i < kRows; ++i) {
        const double flow = 0.2 + 1.4 * (i % 37) / 36.0, temperature = 5 + 20.0 * (i % 11) / 10.0;
        const double values[] = {flow, temperature, 0.3, 1.06};
        at_known.Evaluate(values, s, results);
        const double outflow = s.BODinConc * (1 - results[study::FindResult("RE_BOD")] / 100);
        csv += NumberText(flow) + "," + NumberText(temperature) + "," +
               NumberText(outflow * (1 + 0.05 * ((i % 7) - 3) / 3.0)) + "\n";
    }
    return csv;
}

void BM_FitTwoFieldsToAThousandObservations(benchmark::State& state) {
    ModelState project;
    study::ReadStudyProject(kProject, project);
    std::istringstream text(Observations(project));
    const study::Observations observed = study::ReadObservations(text, study::ResidualScale::Log);
    study::CalibrationArguments arguments;
    arguments.fit = {"bod_decay_rate20", "theta_bod=1:1.2"};
    arguments.threads = static_cast<int>(state.range(0));
    study::Calibration c;
    for (auto _ : state) {
        study::Progress progress("", 0);
        c = study::Calibrate(kProject, project, observed, arguments, progress);
    }
    state.counters["evaluations"] = static_cast<double>(c.fit.evaluations);
    state.counters["runs"] = static_cast<double>(c.runs);
    if (!c.fit.converged) state.SkipWithError("the fit did not settle");
}

}  // namespace
}  // namespace velmar

BENCHMARK(velmar::BM_FitTwoFieldsToAThousandObservations)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_MAIN();
