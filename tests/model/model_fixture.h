// A model state as the engine holds it after reading a freshly reset project.
#pragma once

#include "model/model_state.h"
#include "project/record.h"
#include "tests/support/default_project.h"

namespace velmar::testing {

inline ModelState DefaultModel() {
    ModelState s{};
    static_cast<ProjectRecord&>(s) = DefaultProject();
    return s;
}

}  // namespace velmar::testing
