// The TCB and BOD screens.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

bool ShowTCBData(Ui& ui, Owner owner);
bool ShowBODData(Ui& ui, Owner owner);

}  // namespace velmar
