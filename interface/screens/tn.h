// The TN screens.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

bool ShowTNKnownParameter(Ui& ui, Owner owner);

}  // namespace velmar
