// Every data-entry screen of the program, so that one test can check them all and a
// monkey test can click through each.
#pragma once

#include <span>

#include "interface/screens/screen_table.h"

namespace velmar {

std::span<const DataScreen* const> AllScreens();

}  // namespace velmar
