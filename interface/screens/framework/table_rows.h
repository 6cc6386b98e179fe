// What the parts of the screen framework share about a screen's rows.
#pragma once

#include <cstddef>
#include <span>
#include <utility>

#include "interface/screens/framework/screen_table.h"

namespace velmar {

// The slots a row has controls in: every slot, or the first alone when shared.
int SlotsOf(const Row& row, const DataScreen& screen);

// Whether rows[i] is the first item of a check list; the number of items of the list that
// starts at `first`.
bool StartsList(std::span<const Row> rows, std::size_t i);
int ListLength(std::span<const Row> rows, std::size_t first);

// Whether a screen commits anything: a screen that only shows values or opens others
// (the data input hub, the calculated values screens) does not.
bool HoldsValues(const DataScreen& s);

// Radio buttons of one group box and slot exclude each other: a group, by its box and slot.
using RadioGroupKey = std::pair<int, int>;

}  // namespace velmar
