// A screen's dialog template, laid out from its rows.
#include <algorithm>
#include <map>

#include "interface/resources/screen_layout.h"
#include "interface/screens/framework/screen_table.h"
#include "interface/screens/framework/table_rows.h"

namespace velmar {
namespace {

using K = ControlKind;

// Column headings of a screen with slots: "(1)", "(2)", "(3)".
constexpr int kSlotHeadingId = 99000;
constexpr const char* kSlotHeadings[kSlotCount] = {"(1)", "(2)", "(3)"};
// Wide enough for the longest number FormatNumberText writes, such as -1.23457e+100.
constexpr int kNumberFieldWidth = 14;
constexpr int kNameFieldWidth = 11;
constexpr int kCountFieldWidth = 4;
constexpr int kCheckListWidth = 30;

// Lays rows out in the grids of the dialog body and its group boxes, top to bottom.
class Layout {
public:
    explicit Layout(const DataScreen& screen) : screen_(screen) {
        const bool counts = std::any_of(screen.rows.begin(), screen.rows.end(),
                                        [](const Row& r) { return r.kind == RowKind::Count; });
        columns_ = 1 + std::max(screen.slot_columns, counts ? 2 : 1);
    }

    DialogTemplate Build() {
        DialogTemplate t{.number = screen_.number, .caption = screen_.caption};
        const std::span<const Row> rows = screen_.rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (screen_.slot_columns > 1 && !headed_ && rows[i].PerSlot() && rows[i].group == 0) {
                AddSlotHeadings(t);  // above the first row of columns, under any introduction
            }
            if (rows[i].kind == RowKind::ListItem) {
                if (StartsList(rows, i)) AddList(t, rows[i], ListLength(rows, i), ListHeading(rows, i));
            } else {
                Add(t, rows[i]);
            }
        }
        if (screen_.cancel_button) {
            AddOkCancelHelp(t, screen_.help_button);
        } else {
            AddOkHelp(t, screen_.help_button);
        }
        return t;
    }

private:
    int NextRow(int group) { return next_row_[group]++; }

    void AddSlotHeadings(DialogTemplate& t) {
        const int row = NextRow(0);
        for (int k = 0; k < screen_.slot_columns; ++k) {
            t.controls.push_back({.id = kSlotHeadingId + k,
                                  .kind = K::Label,
                                  .text = kSlotHeadings[k],
                                  .at = {row, 1 + k},
                                  .flags = kCentered});
        }
        headed_ = true;
    }

    void Add(DialogTemplate& t, const Row& row) {
        const int group = row.group;
        if (row.beside_previous) {
            last_.column += 1;
        } else {
            last_ = {NextRow(group), 0, 1, group};
        }
        switch (row.kind) {
            case RowKind::Group:
                t.controls.push_back({.id = row.id,
                                      .kind = K::GroupBox,
                                      .text = row.label,
                                      .at = {last_.row, 0, columns_, group}});
                break;
            case RowKind::Text:
                t.controls.push_back({.id = row.id,
                                      .kind = K::Label,
                                      .text = row.label,
                                      .at = {last_.row, 0, columns_, group}});
                break;
            case RowKind::Radio:
            case RowKind::Check:
                t.controls.push_back({.id = row.id,
                                      .kind = row.kind == RowKind::Radio ? K::RadioButton : K::CheckBox,
                                      .text = row.label,
                                      .at = last_});
                break;
            case RowKind::Button:
                t.controls.push_back({.id = row.id, .kind = K::PushButton, .text = row.label, .at = last_});
                break;
            default: AddField(t, row); break;
        }
    }

    // The label in the row's column (the first, or the one after the control beside which
    // it stands), its fields in the columns after it.
    void AddField(DialogTemplate& t, const Row& row) {
        const int r = last_.row;
        const int c = last_.column;
        t.controls.push_back({.id = LabelId(row.id),
                              .kind = K::Label,
                              .text = row.label,
                              .at = {r, c, 1, row.group},
                              .width = screen_.label_width});
        for (int k = 0; k < SlotsOf(row, screen_); ++k) {
            // The fields of a row of columns are told apart by their columns' headings.
            Control field{.id = SlotId(row.id, k),
                          .at = {r, c + 1 + k, 1, row.group},
                          .label = LabelId(row.id),
                          .heading = headed_ && row.PerSlot() ? kSlotHeadingId + k : 0};
            switch (row.kind) {
                case RowKind::Number: field.kind = K::NumberField, field.width = kNumberFieldWidth; break;
                case RowKind::Computed: field.kind = K::ReadOnlyField, field.width = kNumberFieldWidth; break;
                case RowKind::Name: field.kind = K::TextField, field.width = kNameFieldWidth; break;
                default: field.kind = K::ReadOnlyField, field.width = kCountFieldWidth; break;
            }
            t.controls.push_back(field);
            if (row.kind == RowKind::Count) {
                t.controls.push_back({.id = SpinId(field.id),
                                      .kind = K::Spin,
                                      .at = {r, c + 2 + k, 1, row.group},
                                      .low = 0,
                                      .high = row.high});
            }
        }
    }

    // A list is named by the line of text just above it, if there is one.
    static int ListHeading(std::span<const Row> rows, std::size_t first) {
        const bool headed =
            first > 0 && rows[first - 1].kind == RowKind::Text && rows[first - 1].group == rows[first].group;
        return headed ? rows[first - 1].id : 0;
    }

    void AddList(DialogTemplate& t, const Row& first, int items, int heading) {
        t.controls.push_back({.id = first.id,
                              .kind = K::CheckList,
                              .at = {NextRow(first.group), 0, columns_, first.group},
                              .width = kCheckListWidth,
                              .lines = items,
                              .label = heading});
    }

    const DataScreen& screen_;
    int columns_ = 2;
    bool headed_ = false;          // the slots' column headings are laid out
    std::map<int, int> next_row_;  // per container: the next free grid row
    Placement last_;               // where the last row went
};

}  // namespace

DialogTemplate BuildTemplate(const DataScreen& screen) {
    return Layout(screen).Build();
}

const DialogTemplate& ScreenTemplate(const DataScreen& screen) {
    static std::map<const DataScreen*, DialogTemplate> built;
    auto found = built.find(&screen);
    if (found == built.end()) found = built.emplace(&screen, BuildTemplate(screen)).first;
    return found->second;
}

}  // namespace velmar
