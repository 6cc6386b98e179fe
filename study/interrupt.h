// Ctrl-C: the first one asks a study to stop and write out what it has done; a second one
// ends the program at once.
#pragma once

namespace velmar::study {

void CatchInterrupt();
bool Interrupted();

// For tests: as if Ctrl-C had been pressed (or not).
void SetInterrupted(bool interrupted);

}  // namespace velmar::study
