// velmar-study's command line: the arguments read into a study's options and checked, then
// the study run.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace velmar::study {

// Exit status of arguments the parser refuses (an unknown option or command, a missing or
// extra argument, a choice that is none of those offered), as command-line tools commonly
// give. Faults found once the arguments are read (a bad value, an unreadable file, a target
// not reached) give 1.
constexpr int kUsageStatus = 2;

struct ParsedCommandLine {
    std::function<int()> study;  // the study asked for, its arguments checked; empty when none
    int status = 0;              // the exit status when there is no study: help given, or a usage error
};

// Reads the arguments (those after the program's name). Help goes to `out`, the parser's
// message for a usage error to `err`; a bad value in an option, or an output that would
// replace an input, is thrown as a StudyError. Nothing is run, read or written.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                   std::ostream& err);

// Parses the arguments and runs the study; the program's exit status.
int RunCommandLine(const std::vector<std::string>& arguments);

}  // namespace velmar::study
