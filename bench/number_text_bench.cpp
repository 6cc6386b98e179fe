// Numbers to text and back, against <charconv> where the standard library converts doubles: a
// study writes 95 numbers a run, so writing them must keep near the standard library's pace.
// The values are what studies write: results of arithmetic, with all seventeen digits, over
// several decades. They are read back as studies write them (argument 1) and as project files
// hold them, " 1.234e+02" (argument 0).
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "project/number_text.h"

namespace velmar {
namespace {

const std::vector<double>& Values() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(1);
        std::uniform_real_distribution<double> decades(-3, 6);
        std::vector<double> v(4096);
        for (double& x : v) x = std::pow(10.0, decades(random));
        return v;
    }();
    return values;
}

const std::vector<std::string>& Texts(bool shortest) {
    static const auto texts = [](bool as_shortest) {
        std::vector<std::string> t;
        char text[kShortestTextSize];
        for (double x : Values()) {
            const char* end =
                as_shortest ? ShortestText(text, x) : text + std::snprintf(text, sizeof text, "%.3e", x);
            t.emplace_back(static_cast<const char*>(text), end);
        }
        return t;
    };
    static const std::vector<std::string> in_files = texts(false), shortest_texts = texts(true);
    return shortest ? shortest_texts : in_files;
}

void BM_ShortestText(benchmark::State& state) {
    char text[kShortestTextSize];
    for (auto _ : state) {
        for (double x : Values()) benchmark::DoNotOptimize(ShortestText(text, x));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}

void BM_ReadNumber(benchmark::State& state) {
    const std::vector<std::string>& texts = Texts(state.range(0) == 1);
    double value = 0;
    for (auto _ : state) {
        for (const std::string& t : texts)
            benchmark::DoNotOptimize(ReadNumber(t.data(), t.data() + t.size(), value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

#if defined(__cpp_lib_to_chars)
void BM_CharconvToChars(benchmark::State& state) {
    char text[kShortestTextSize];
    for (auto _ : state) {
        for (double x : Values()) benchmark::DoNotOptimize(std::to_chars(text, text + sizeof text, x));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}

void BM_CharconvFromChars(benchmark::State& state) {
    const std::vector<std::string>& texts = Texts(state.range(0) == 1);
    double value = 0;
    for (auto _ : state) {
        for (const std::string& t : texts)
            benchmark::DoNotOptimize(std::from_chars(t.data(), t.data() + t.size(), value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

BENCHMARK(BM_CharconvToChars);
BENCHMARK(BM_CharconvFromChars)->Arg(0)->Arg(1);
#endif
BENCHMARK(BM_ShortestText);
BENCHMARK(BM_ReadNumber)->Arg(0)->Arg(1);

}  // namespace
}  // namespace velmar

BENCHMARK_MAIN();
