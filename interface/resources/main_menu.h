// The main window's menu bar and accelerator table.
#pragma once

#include <array>

#include "interface/platform/menu.h"

namespace velmar {

extern const std::array<MenuItem, 21> kMainMenu;
extern const std::array<Accelerator, 2> kMainAccelerators;

}  // namespace velmar
