// Every data-entry screen of the program, so that one test can check them all and a
// monkey test can click through each.
#pragma once

#include <span>
#include <string>

#include "interface/screens/framework/screen_table.h"

namespace velmar {

std::span<const DataScreen* const> AllScreens();

// A name for each registered screen: "Screen" and its template number, followed by "v2",
// "v3" ... for the later variants of a template that several screens share.
std::string RegisteredScreenName(const DataScreen& screen);

}  // namespace velmar
