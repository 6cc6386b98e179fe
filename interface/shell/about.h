// The About box.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

void ShowAbout(Ui& ui, Owner owner);

}  // namespace velmar
