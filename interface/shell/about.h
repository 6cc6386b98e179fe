// The About box.
#pragma once

#include "interface/platform/ui.h"

namespace velmar {

void ShowAbout(Ui& ui, Owner owner);

// The Detailed Information window of the About box, with a link to the technical notes.
void ShowDetailedInformation(Ui& ui, Owner owner);

}  // namespace velmar
