// Control ids of the comparison with the P-k-C* design method, shown from the results screen.
#pragma once

#include <iterator>

namespace velmar {

enum ComparisonControl : int {
    kComparisonTypeGroup = 3300,
    kComparisonFreeWaterSurface = 3301,
    kComparisonSubsurface = 3302,
    kComparisonLoading = 3303,
    kComparisonNotes = 3304,
    kComparisonCaveat = 3305,  // and the lines after it, one per caveat line
    kComparisonSave = 3311,
    kComparisonPrint = 3312,
    kComparisonHelp = 3313,
};

// The table: a row per constituent, its name and then these columns of values.
inline constexpr int kComparisonRows = 11;  // five conventional constituents, six contaminants
inline constexpr const char* kComparisonColumns[] = {
    "Inflow", "Velmar\noutflow", "Velmar\nRE (%)", "k\n(m/yr)",       "C*",
    "P",      "P-k-C*\noutflow", "P-k-C*\nRE (%)", "Outflow\nat k30", "Outflow\nat k70",
};
inline constexpr int kComparisonColumnCount = std::size(kComparisonColumns);

// The name label of table row `row`, and its value field in column `column`.
int ComparisonNameId(int row);
int ComparisonValueId(int row, int column);

}  // namespace velmar
