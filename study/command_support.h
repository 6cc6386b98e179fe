// What the four studies share in writing their tables and ending.
#pragma once

#include <cstddef>
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

// That the phosphorus solution did not converge `where` ("at 3 of 9 points"), and what
// became of the TP results.
std::string UnsolvedPhosphorusMessage(const std::string& where, const std::string& fate);

// Notes it.
void NoteUnsolvedPhosphorus(const CommonOptions& o, const std::string& where, const std::string& fate);

}  // namespace velmar::study
