// A sweep: one or two inputs over a grid of values, the project run at every point.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "study/evaluation.h"
#include "study/grid_range.h"
#include "study/progress.h"

namespace velmar::study {

// The fields swept and their ranges; point p runs the first field's values outermost.
struct SweepGrid {
    std::vector<InputField> fields;
    std::vector<GridRange> axes;

    std::size_t Points() const;
    void PointValues(std::size_t p, std::span<double> values) const;
};

// The grid that "FIELD=FROM:TO:STEPS" arguments ask for: STEPS values from FROM to TO, both
// included, spaced geometrically when `log`. One or two fields, each given once.
SweepGrid ParseSweepGrid(const std::vector<std::string>& vary, bool log);

// The range a "FROM:TO:STEPS" text asks for: STEPS values from FROM to TO, both included,
// spaced geometrically when `log`. Messages begin with `what`, the argument as given, and
// name `form` as the form expected.
GridRange ParseRange(const std::string& what, const std::string& range, bool log, const char* form);

// Points `first` on, in order: their input values (the fields' values one point after
// another), results and, when asked for, computed states.
struct SweepBlock {
    std::size_t first = 0;
    std::vector<double> values;
    std::vector<ResultValues> results;
    std::vector<std::unique_ptr<ModelState>> states;
    FlawTally flaws;
};

// The notes of a sweep's points whose results are no value, of `points` done.
std::vector<std::string> SweepNotes(const FlawTally& flaws, std::size_t points);

// Runs the study at every point of the grid on `threads` threads and hands the blocks of
// points to `consume` in order. Returns the number of points done: all unless interrupted.
std::size_t RunSweep(const Study& study, const SweepGrid& grid, int threads, bool keep_states,
                     Progress& progress, const std::function<void(SweepBlock&&)>& consume);

}  // namespace velmar::study
