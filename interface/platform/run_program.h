// Starting a child program and waiting for it, for hosts that run programs for real.
#pragma once

#include <string>
#include <vector>

namespace velmar {

// Runs the program with its arguments in the current directory and environment, without a
// window, and waits for it to end however long it takes. Returns 0 once it has run, or the
// system's error number when it could not be started (2 when the file does not exist).
int RunProgramAndWaitFor(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace velmar
