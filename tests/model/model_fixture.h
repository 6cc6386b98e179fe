// A model state as the engine holds it after reading a freshly reset project.
#pragma once

#include "model/model_state.h"
#include "project/record.h"

namespace velmar::testing {

inline ModelState DefaultModel() {
    ModelState s{};
    ProjectRecord& r = s;
    r = ProgramStartRecord();
    ClearEntryState(r);
    ResetToDefaults(r);
    return s;
}

}  // namespace velmar::testing
