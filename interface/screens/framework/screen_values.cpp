// A screen's fields and their working copies: fill, read, spin, commit and revert.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "interface/screens/framework/screen_table.h"
#include "interface/screens/framework/table_rows.h"
#include "interface/session/state.h"

namespace velmar {
namespace {

// The text a field shows for its row's working copy in a slot.
std::string FieldText(const Row& row, const ProjectRecord& r, int slot) {
    if (row.name) return row.name.In(r, slot);
    if (row.kind == RowKind::Count) return std::to_string(row.flag.In(r, slot));
    return FormatNumberText(row.real.In(r, slot));
}

std::optional<std::int32_t> WholeNumberValue(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Stores a field's text into its row's working copy; false when the text is not valid.
bool StoreFieldText(const Row& row, const std::string& text, ProjectRecord& r, int slot) {
    switch (row.kind) {
        case RowKind::Count:
            if (auto value = WholeNumberValue(text)) {
                row.flag.In(r, slot) = *value;
                return true;
            }
            return false;
        case RowKind::Name: return ReadNameText(text, row.name.In(r, slot));
        default:
            if (auto value = NumberTextValue(text)) {
                row.real.In(r, slot) = *value;
                return true;
            }
            return false;
    }
}

bool Usable(const Dialog& d, int id) {
    return d.IsEnabled(id) && d.IsShown(id);
}

void FillRow(Dialog& d, const ProjectRecord& r, const Row& row, int slot) {
    const int id = SlotId(row.id, slot);
    if (row.shown) {
        const bool shown = row.shown(r, slot);
        d.Show(id, shown);
        if (row.HasField()) d.Show(LabelId(row.id), shown);
    }
    const bool enabled = !row.enabled || row.enabled(r, slot);
    if (row.enabled) d.Enable(id, enabled);
    const bool empty = row.empty_when_disabled && !enabled;
    if (row.empty_when_disabled) d.Enable(LabelId(row.id), enabled);
    switch (row.kind) {
        case RowKind::Number:
        case RowKind::Computed:
        case RowKind::Name: d.SetText(id, empty ? "" : FieldText(row, r, slot)); break;
        case RowKind::Count:
            d.SetText(id, FieldText(row, r, slot));
            d.SetSpinPosition(SpinId(id), row.flag.In(r, slot));
            break;
        case RowKind::Check: d.SetChecked(id, row.flag.In(r, slot) != 0); break;
        default: break;
    }
}

void FillRadioButtons(Dialog& d, const ProjectRecord& r, const DataScreen& s) {
    std::vector<RadioGroupKey> chosen;
    for (const Row& row : s.rows) {
        if (row.kind != RowKind::Radio || !row.flag) continue;
        for (int k = 0; k < SlotsOf(row, s); ++k) {
            // The first button of the group whose flag is set is the one shown.
            const RadioGroupKey key{row.group, k};
            const bool first_set =
                row.flag.In(r, k) == 1 && std::find(chosen.begin(), chosen.end(), key) == chosen.end();
            if (first_set) chosen.push_back(key);
            d.SetChecked(SlotId(row.id, k), first_set);
        }
    }
}

void FillLists(Dialog& d, const ProjectRecord& r, std::span<const Row> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!StartsList(rows, i)) continue;
        const int n = ListLength(rows, i);
        std::vector<std::string> texts;
        for (int j = 0; j < n; ++j) texts.emplace_back(rows[i + j].label);
        d.SetItems(rows[i].id, texts);
        for (int j = 0; j < n; ++j) d.SetItemChecked(rows[i].id, j, rows[i + j].flag.In(r, 0) != 0);
    }
}

template <typename T>
void CopyValue(const Ref<T>& from, const Ref<T>& to, ProjectRecord& r, int slot) {
    if constexpr (std::is_array_v<T>) {
        std::memcpy(to.In(r, slot), from.In(r, slot), sizeof(T));
    } else {
        to.In(r, slot) = from.In(r, slot);
    }
}

// Copies each row's working copy to its record value (commit) or back (revert).
void CopyRows(ProjectRecord& r, const DataScreen& s, bool commit) {
    for (const Row& row : s.rows) {
        for (int k = 0; k < SlotsOf(row, s); ++k) {
            if (row.real_value)
                commit ? CopyValue(row.real, row.real_value, r, k)
                       : CopyValue(row.real_value, row.real, r, k);
            if (row.flag_value)
                commit ? CopyValue(row.flag, row.flag_value, r, k)
                       : CopyValue(row.flag_value, row.flag, r, k);
            if (row.name_value)
                commit ? CopyValue(row.name, row.name_value, r, k)
                       : CopyValue(row.name_value, row.name, r, k);
        }
    }
}

// The row whose spin arrows have this id, with its slot.
std::optional<std::pair<const Row*, int>> SpinRow(const DataScreen& s, int spin) {
    for (const Row& row : s.rows) {
        if (row.kind != RowKind::Count) continue;
        for (int k = 0; k < SlotsOf(row, s); ++k) {
            if (SpinId(SlotId(row.id, k)) == spin) return std::make_pair(&row, k);
        }
    }
    return std::nullopt;
}

}  // namespace

void FillRows(Dialog& d, const ProjectRecord& r, const DataScreen& s) {
    for (const Row& row : s.rows) {
        for (int k = 0; k < SlotsOf(row, s); ++k) FillRow(d, r, row, k);
    }
    FillRadioButtons(d, r, s);
    FillLists(d, r, s.rows);
}

bool ReadRows(const Dialog& d, ProjectRecord& r, const DataScreen& s, FailedField* failed) {
    // Slot by slot, each with its own fields in table order; the shared fields with the first.
    for (int k = 0; k < s.slot_columns; ++k) {
        for (std::size_t i = 0; i < s.rows.size(); ++i) {
            const Row& row = s.rows[i];
            if (!row.PerSlot() && k > 0) continue;
            const int id = SlotId(row.id, k);
            const bool usable = row.kind == RowKind::ListItem || Usable(d, id);
            if (!usable && s.disabled == DisabledFields::Skip) continue;
            switch (row.kind) {
                case RowKind::Number:
                case RowKind::Count:
                case RowKind::Name:
                case RowKind::Computed:
                    if (row.kind == RowKind::Computed && !row.read_back) break;
                    if (!StoreFieldText(row, d.Text(id), r, k) &&
                        (usable || s.disabled == DisabledFields::Read)) {
                        if (failed != nullptr) *failed = {&row, k};
                        return false;
                    }
                    break;
                case RowKind::Radio:
                case RowKind::Check:
                    if (row.flag) row.flag.In(r, k) = d.Checked(id) ? 1 : 0;
                    break;
                case RowKind::ListItem: {
                    std::size_t first = i;
                    while (!StartsList(s.rows, first)) --first;
                    row.flag.In(r, k) = d.ItemChecked(row.id, static_cast<int>(i - first)) ? 1 : 0;
                    break;
                }
                default: break;
            }
        }
    }
    return true;
}

void CommitRows(ProjectRecord& r, const DataScreen& screen) {
    CopyRows(r, screen, true);
    if (HoldsValues(screen)) Shell().changes = true;
}

void RevertRows(ProjectRecord& r, const DataScreen& screen) {
    CopyRows(r, screen, false);
}

bool ReadNameText(std::string_view text, NameText& name) {
    const bool blank =
        std::any_of(text.begin(), text.end(), [](unsigned char ch) { return std::isspace(ch) != 0; });
    if (text.empty() || blank || text.size() > kFieldTextLimit) return false;
    const std::string kept(text.substr(0, kScreenNameLength));
    SetName(name, kept.c_str());
    return true;
}

void SpinCount(ScreenContext& c, const DialogEvent& e) {
    const auto spun = SpinRow(c.screen, e.id);
    if (!spun) return;
    for (const Row& row : c.screen.rows) {
        if (row.kind != RowKind::Count) continue;
        for (int k = 0; k < SlotsOf(row, c.screen); ++k)
            StoreFieldText(row, c.d.Text(SlotId(row.id, k)), c.r, k);
    }
    spun->first->flag.In(c.r, spun->second) = e.position;
    for (const Row& row : c.screen.rows) {
        if (row.kind != RowKind::Count) continue;
        for (int k = 0; k < SlotsOf(row, c.screen); ++k) FillRow(c.d, c.r, row, k);
    }
}

}  // namespace velmar
