// A project as the front end holds it after start-up or New.
#pragma once

#include "project/record.h"

namespace velmar::testing {

inline ProjectRecord DefaultProject() {
    ProjectRecord r = ProgramStartRecord();
    ClearEntryState(r);
    ResetToDefaults(r);
    return r;
}

}  // namespace velmar::testing
