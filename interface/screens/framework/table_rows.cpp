#include "interface/screens/framework/table_rows.h"

#include <algorithm>

namespace velmar {

int SlotsOf(const Row& row, const DataScreen& screen) {
    return row.PerSlot() ? screen.slot_columns : 1;
}

bool StartsList(std::span<const Row> rows, std::size_t i) {
    return rows[i].kind == RowKind::ListItem &&
           (i == 0 || rows[i - 1].kind != RowKind::ListItem || rows[i - 1].id != rows[i].id);
}

int ListLength(std::span<const Row> rows, std::size_t first) {
    int n = 0;
    while (first + n < rows.size() && rows[first + n].kind == RowKind::ListItem &&
           rows[first + n].id == rows[first].id)
        ++n;
    return n;
}

bool HoldsValues(const DataScreen& s) {
    return std::any_of(s.rows.begin(), s.rows.end(),
                       [](const Row& row) { return row.real_value || row.flag_value || row.name_value; });
}

}  // namespace velmar
