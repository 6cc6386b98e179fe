#include "study/results.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "study/nearest_names.h"
#include "study/study_error.h"

namespace velmar::study {

std::size_t FindResult(std::string_view name) {
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < kResultCount; ++i) {
        if (name == ResultName(i)) return i;
        names.emplace_back(ResultName(i));
    }
    throw StudyError(UnknownNameMessage("result", name, names), StudyErrorKind::UnknownName);
}

namespace {

// Where each result lies within the state; the few integers are read apart. And which results
// have a physical limit: removal efficiencies at most 100 %, concentrations at least 0.
struct Locations {
    std::array<std::size_t, kResultCount> offsets;
    std::vector<std::size_t> integers, efficiencies, concentrations;
};

Locations FindLocations() {
    Locations l;
    static const ModelState probe{};
    const auto* base = reinterpret_cast<const char*>(&probe);
    const auto* results = reinterpret_cast<const char*>(static_cast<const ModelResults*>(&probe));
    for (std::size_t i = 0; i < kResultCount; ++i) {
        const ResultsEntry& e = kResultsEntries[i];
        const char* within = e.source == ResultsSource::Results ? results : base;
        l.offsets[i] = e.offset + static_cast<std::size_t>(within - base);
        if (e.source == ResultsSource::RecordInt) l.integers.push_back(i);
        if (e.kind == ResultsKind::Efficiency) l.efficiencies.push_back(i);
        if (e.kind == ResultsKind::Outflow || e.kind == ResultsKind::SedimentConcentration)
            l.concentrations.push_back(i);
    }
    return l;
}

// The results that the phosphorus solution gives.
constexpr std::string_view kPhosphorusResults[] = {
    "tp_removal_rate",
    "RE_TP",
    "TPoutConc",
    "C",
    "Cb",
    "Cd",
    "Cp",
    "Cdp",
    "f_pw",
    "f_dw",
    "f_dp",
    "Y[1]",
    "Y[2]",
    "Y[3]",
    "Y[4]",
    "Y[5]",
    "KtpH",
};

}  // namespace

// Read through a table of locations: this runs once for every sample of a study.
ResultFlaws CollectResults(const ModelState& s, ResultValues& out) {
    static const Locations locations = FindLocations();
    const auto* base = reinterpret_cast<const char*>(&s);
    for (std::size_t i = 0; i < kResultCount; ++i) {
        std::memcpy(&out[i], base + locations.offsets[i], sizeof(double));
    }
    for (std::size_t i : locations.integers) {
        std::int32_t value;
        std::memcpy(&value, base + locations.offsets[i], sizeof value);
        out[i] = value;
    }
    ResultFlaws flaws;
    for (std::size_t i = 0; i < kResultCount; ++i) flaws.not_finite[i] = !std::isfinite(out[i]);
    for (std::size_t i : locations.efficiencies) flaws.past_limit[i] = out[i] > 100;
    for (std::size_t i : locations.concentrations) flaws.past_limit[i] = out[i] < 0;
    constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
    flaws.phosphorus_unsolved = s.RE_TP == kTpNotConverged;
    if (flaws.phosphorus_unsolved) {
        static const std::vector<std::size_t> unsolved = [] {
            std::vector<std::size_t> positions;
            for (std::string_view name : kPhosphorusResults) positions.push_back(FindResult(name));
            return positions;
        }();
        for (std::size_t i : unsolved) {
            out[i] = kNoValue;
            flaws.not_finite[i] = flaws.past_limit[i] = false;
        }
    }
    for (std::size_t i = 0; i < kResultCount; ++i) {
        if (flaws.not_finite[i] || flaws.past_limit[i]) out[i] = kNoValue;
    }
    return flaws;
}

void FlawTally::Add(const ResultFlaws& f) {
    unsolved += f.phosphorus_unsolved;
    if (f.not_finite.none() && f.past_limit.none()) return;
    not_finite += f.not_finite.any();
    past_limit += f.past_limit.any();
    not_finite_results |= f.not_finite;
    past_limit_results |= f.past_limit;
}

void FlawTally::Merge(const FlawTally& t) {
    outside += t.outside;
    unsolved += t.unsolved;
    not_finite += t.not_finite;
    past_limit += t.past_limit;
    not_finite_results |= t.not_finite_results;
    past_limit_results |= t.past_limit_results;
}

}  // namespace velmar::study
