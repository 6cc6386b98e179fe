// Reading "Results.txt" back after a model run: which rows the results screen shows, and
// which values the front end keeps for the project and the reports.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "project/record.h"
#include "project/results_layout.h"

namespace velmar {

// One entry as read: the label line (with its line end) and the value line.
struct ResultsLine {
    std::string label;
    std::string value;
};
using ResultsLines = std::array<ResultsLine, kResultsEntryCount>;

// Reads the file by position. False when it cannot be opened or is incomplete: every label
// and value line must be there in full, up to its line end, with the empty line that closes
// each group; a run cut short by a full disk leaves a file that fails this.
bool ReadResultsLines(const std::string& path, ResultsLines& lines);

// The value of a value line: leading blanks skipped, conversion up to the first character
// that cannot belong to a number, 0 when there is none.
double ResultsLineValue(const std::string& value_line);

// The value of an integer entry's line, as a decimal integer conversion reads it.
std::int32_t ResultsLineInteger(const std::string& value_line);

enum class RowState {
    NoRow,   // read, and kept or skipped, but not shown
    Shown,   // label and value shown
    Greyed,  // label shown, both controls disabled, no value
    Hidden,  // label emptied, both controls hidden
};

// How the row of an entry (1-based) appears for the project that was run.
RowState ResultsRowState(const ProjectRecord& r, int entry);

// Keeps an entry's value where the front end holds it — a project field (with its
// working copy where it has one) or a kept result — when it is kept at all. The caller
// keeps an entry with a row only while the row is shown.
void KeepResultsLine(ProjectRecord& r, ModelResults& kept, int entry, const std::string& value_line);

// True for the entries kept whenever they are read, whether or not they have a row.
bool KeptWithoutRow(int entry);

// Whether an established wetland's TP solution did not converge, so that the TP rate and
// outflow concentration beside its efficiency are no results.
bool TpNotConverged(const ProjectRecord& r, double tp_removal_efficiency);

// The entry of the TP removal efficiency, and those whose values mean nothing when the TP
// solution did not converge: the TP rate and outflow concentration.
int TpEfficiencyEntry();
bool TpResult(int entry);

// The entry (1-based) that holds a constituent's result of a kind.
int EntryNumber(ResultsOf of, int index, ResultsKind kind);

}  // namespace velmar
