// The P-k-C* design method beside the model for a project read from its file: the rows of
// the comparison and, for a target outflow, the area each method needs to reach it. A
// library function apart from any printing, for the command and for scripts alike.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "project/pkc_comparison.h"

namespace velmar::study {

struct CompareSettings {
    PkcSettings pkc;
    // Target outflow concentrations, keyed by the names of PkcConstituentNames().
    std::map<std::string, double, std::less<>> targets;
    int threads = 1;  // for the model's sizing searches
};

// The area (m^2) at which a method brings the outflow down to the target.
struct AreaForTarget {
    std::optional<double> area;  // none: not reached
    std::string reason;          // why not, when not
};

struct ComparedRow {
    PkcComparisonRow row;
    // With a target for the constituent: the design method's area in closed form, and the
    // model's, found as `size` finds it by varying the area with the depth kept.
    std::optional<double> target;
    AreaForTarget pkc_area, velmar_area;
};

struct ComparedProject {
    double hydraulic_loading;  // q = Q/A (m/yr)
    std::vector<ComparedRow> rows;
};

// Reads the project as the engine does, runs it and compares. An unreadable project is
// refused with a StudyError.
ComparedProject CompareProject(const std::string& path, const CompareSettings& settings);

}  // namespace velmar::study
