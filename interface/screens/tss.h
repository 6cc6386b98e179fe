// The TSS screens.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

bool ShowTSSOptionSelection(Ui& ui, Owner owner);

}  // namespace velmar
