#include "interface/session/state.h"

namespace velmar {

ProjectRecord& Project() {
    static ProjectRecord record = ProgramStartRecord();
    return record;
}

ShellState& Shell() {
    static ShellState state;
    return state;
}

void ClearProject() {
    ClearEntryState(Project());
    ResetToDefaults(Project());
}

}  // namespace velmar
