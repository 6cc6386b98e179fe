// Starting a child program and waiting for it, for hosts that run programs for real.
#pragma once

#include <string>
#include <vector>

#include "interface/platform/ui.h"

namespace velmar {

// Runs the program with its arguments in the given folder (the current directory when it is
// empty) and the current environment, without a window, and waits for it to end however long
// it takes; a relative program path is taken from that folder. A program ended by a signal has the status 128
// plus the signal's number, as a shell reports it.
ProgramExit RunProgramAndWaitFor(const std::string& program, const std::vector<std::string>& arguments,
                                 const std::string& folder = {});

}  // namespace velmar
