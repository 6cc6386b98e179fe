// The P-k-C* design method beside the model for a project read from its file: the rows of
// the comparison and, for a target outflow, the area each method needs to reach it. A
// library function apart from any printing, for the command and for scripts alike.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/model_state.h"
#include "project/pkc_comparison.h"
#include "study/progress.h"
#include "study/row_writer.h"

namespace velmar::study {

struct CompareSettings {
    PkcSettings pkc;
    // Target outflow concentrations, keyed by the names of PkcConstituentNames().
    std::map<std::string, double, std::less<>> targets;
    int threads = 1;  // for the model's sizing searches
    // Told of the model's sizing searches as they run: a caller with reasons of its own to
    // stop them throws from it.
    ProgressWatch watch;
};

// The wetland types by the names the command takes: "fws", "hssf".
const std::map<std::string, pkc::WetlandType>& WetlandTypesByName();

// The comparison as the command is asked for it: "NAME=VALUE" texts, NAME one of
// PkcConstituentNames(), for the user's constants in place of the published ones and for
// target outflows.
struct CompareArguments {
    pkc::WetlandType type = pkc::WetlandType::FreeWaterSurface;
    std::vector<std::string> k, cstar, tanks, theta, targets;
};

// The settings the arguments ask for; a bad name or value is refused with a StudyError.
CompareSettings ParseCompareSettings(const CompareArguments& arguments, int threads);

// The area (m^2) at which a method brings the outflow down to the target.
struct AreaForTarget {
    std::optional<double> area;  // none: not reached
    std::string reason;          // why not, when not
};

struct ComparedRow {
    PkcComparisonRow row;
    // With a target for the constituent: the design method's area in closed form, and the
    // model's, found as `size` finds it by varying the area with the depth and shape kept.
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
// The same for a project already read (and perhaps changed since), named in messages.
ComparedProject CompareProject(const std::string& name, const ModelState& project,
                               const CompareSettings& settings);

// A target no area reaches, in the design method's area column.
inline constexpr char kUnreachable[] = "unreachable";

// The columns of the table for programs, with or without targets: the file, the
// constituent, the values, a note.
std::vector<std::string> CompareColumns(bool targets);

// A row of that table: empty cells where there is no value, kUnreachable for a target the
// design method cannot reach.
std::vector<Cell> CompareRow(const std::string& name, const ComparedRow& c, bool targets);

// A message for each target a method did not reach, naming the project.
std::vector<std::string> TargetsNotReached(const std::string& name, const ComparedProject& compared);

}  // namespace velmar::study
