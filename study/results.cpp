#include "study/results.h"

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

void CollectResults(const ModelState& s, ResultValues& out) {
    for (std::size_t i = 0; i < kResultCount; ++i) out[i] = ResultsValue(s, s, kResultsEntries[i]);
}

}  // namespace velmar::study
