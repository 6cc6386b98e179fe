// Any bytes as an observations file: read in both scales, they are refused with a message or
// give observations the fit can use: each observed cell finite and not below 0 (above 0 in the
// log scale), each condition one its field can take, as many condition values as rows need.
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

#include "study/calibration.h"
#include "study/study_error.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    using namespace velmar::fuzz;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const study::ResidualScale scale : {study::ResidualScale::Log, study::ResidualScale::Linear}) {
        std::istringstream in(text);
        try {
            const study::Observations o = study::ReadObservations(in, scale);
            Require(o.values.size() == o.rows.size() * o.conditions.size(), "conditions out of step", text);
            for (const study::Observations::Cell& cell : o.observed) {
                Require(cell.row < o.rows.size() && cell.column < o.columns.size(), "cell out of range",
                        text);
                Require(std::isfinite(cell.value) && cell.value >= 0, "observation not usable", text);
                Require(scale == study::ResidualScale::Linear || cell.value > 0, "no logarithm", text);
            }
            for (std::size_t i = 0; i < o.values.size(); ++i)
                Require(study::Admits(o.conditions[i % o.conditions.size()], o.values[i]),
                        "condition refused", text);
        } catch (const study::StudyError&) {
        }
    }
    return 0;
}
