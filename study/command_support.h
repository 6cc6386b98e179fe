// What the four studies share in writing their tables and ending.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "study/commands.h"
#include "study/results.h"
#include "study/row_writer.h"

namespace velmar::study {

// The result names after the given leading columns.
std::vector<std::string> WithResultColumns(std::vector<std::string> leading);

void AppendResults(std::vector<Cell>& row, const ResultValues& v);

// Says how far a study came before Ctrl-C, and gives the exit status: kInterruptedStatus after
// Ctrl-C, otherwise `status`.
int EndStatus(const CommonOptions& o, std::size_t done, std::size_t total, const char* items, int status);

// Prints "velmar-study: message" on standard error.
void Complain(const std::string& message);

// Gives a study's note to the options' sink, or to Complain when they have none.
void Note(const CommonOptions& o, const std::string& message);

// A study's notes of runs whose results are no value, each met `where(count)` ("at 3 of 9
// points"): TP's results after a phosphorus solution that did not converge, with `tp_fate` ("their
// TP results are given as nan"); results not a number or infinite, and results past a physical
// limit, named, with `fate` ("they are given as nan").
std::vector<std::string> FlawNotes(const FlawTally& t, const std::function<std::string(std::size_t)>& where,
                                   const std::string& tp_fate, const std::string& fate);

// "at 3 of 9 points", "in 3 of 9 samples": `where` for a study of `total` runs.
std::function<std::string(std::size_t)> OfTotal(const std::string& preposition, std::size_t total,
                                                const std::string& runs);

// The notes of one project's run: "in PATH".
std::vector<std::string> ProjectRunNotes(const ResultFlaws& flaws, const std::string& path);

// Gives each note to Note.
void NoteAll(const CommonOptions& o, const std::vector<std::string>& notes);

}  // namespace velmar::study
