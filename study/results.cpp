#include "study/results.h"

#include <cstdint>
#include <cstring>
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
    throw StudyError(UnknownNameMessage("result", name, names));
}

namespace {

// Where each result lies within the state; the few integers are read apart.
struct Locations {
    std::array<std::size_t, kResultCount> offsets;
    std::vector<std::size_t> integers;
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
    }
    return l;
}

}  // namespace

// Read through a table of locations: this runs once for every sample of a study.
void CollectResults(const ModelState& s, ResultValues& out) {
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
}

}  // namespace velmar::study
