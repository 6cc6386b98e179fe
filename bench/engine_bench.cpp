// In-process cost of one model evaluation (computations only; the project is read once).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "model/driver.h"
#include "model/input.h"

namespace velmar {
namespace {

ModelState ReadExample(const char* name) {
    ModelState s;
    SetEngineStartValues(s);
    const std::string path = std::string(VELMAR_SOURCE_DIR "/examples/") + name;
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) std::abort();
    ReadModelInput(file, s);
    std::fclose(file);
    return s;
}

void Evaluate(benchmark::State& state, const ModelState& input) {
    ModelState s;
    for (auto _ : state) {
        s = input;
        ComputeModel(s);
        benchmark::DoNotOptimize(s.RE_TP);
    }
}

void BM_Typical(benchmark::State& state) {
    Evaluate(state, ReadExample("typical.inp"));
}

void BM_ThreeOrganicsByProcessesThreeMetals(benchmark::State& state) {
    Evaluate(state, ReadExample("organics_metals.inp"));
}

void BM_EstablishedWetlandPhosphorusOnly(benchmark::State& state) {
    ModelState input = ReadExample("typical.inp");
    input.model_tss = 0;
    Evaluate(state, input);
}

BENCHMARK(BM_Typical);
BENCHMARK(BM_ThreeOrganicsByProcessesThreeMetals);
BENCHMARK(BM_EstablishedWetlandPhosphorusOnly);

}  // namespace
}  // namespace velmar

BENCHMARK_MAIN();
