// The constituents a project models, and which results belong to each: what a person
// reading a study wants to see.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/record.h"

namespace velmar::study {

// Positions in the results (see results.h) of one constituent's values.
struct ConstituentResults {
    std::string name;  // "TSS", or the chemical's or metal's name
    std::string unit;  // of its concentrations: the inflow's, which the outflow keeps
    std::size_t rate, efficiency;
    std::optional<std::size_t> outflow;  // when its outflow concentration is computed
    // Contaminants only: dissolved and particulate fractions in the water column, dissolved
    // fraction in the pore water, and (with the outflow) the sediment concentration.
    std::optional<std::size_t> dissolved, particulate, pore_dissolved, sediment;
};

// The modelled constituents in the order of the results file.
std::vector<ConstituentResults> ModelledConstituents(const ProjectRecord& r);

}  // namespace velmar::study
