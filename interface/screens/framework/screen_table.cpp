#include "interface/screens/framework/screen_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interface/resources/help_topics.h"
#include "interface/resources/screen_layout.h"
#include "interface/resources/screen_strings.h"
#include "interface/session/help.h"
#include "interface/session/state.h"

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

// The slots a row has controls in: every slot, or the first alone when shared.
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

// ---- Layout ----

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
        bool headed = screen_.slot_columns == 1;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (!headed && rows[i].PerSlot() && rows[i].group == 0) {
                AddSlotHeadings(t);  // above the first row of columns, under any introduction
                headed = true;
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
            Control field{
                .id = SlotId(row.id, k), .at = {r, c + 1 + k, 1, row.group}, .label = LabelId(row.id)};
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
    std::map<int, int> next_row_;  // per container: the next free grid row
    Placement last_;               // where the last row went
};

// ---- Values ----

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

// Radio buttons of one group box and slot exclude each other.
using RadioGroupKey = std::pair<int, int>;

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

// A spin step: every count is read back from its field, the count of the arrows used
// takes their position, and the counts are shown again.
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

// Events that writing to a control can raise, as opposed to the user's commands.
bool IsChangeEvent(const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::FieldEntered:
        case DialogEvent::FieldLeft:
        case DialogEvent::TextEdited:
        case DialogEvent::ItemChanged:
        case DialogEvent::Spin: return true;
        default: return false;
    }
}

// The caption of a help topic's window. A screen naming a topic the program does not ship
// is a programming error.
const char* HelpCaption(const char* file) {
    for (const HelpTopic& topic : kHelpTopics) {
        if (std::strcmp(topic.file, file) == 0) return topic.caption;
    }
    std::abort();
}

// Whether a screen commits anything: a screen that only shows values or opens others
// (the data input hub, the calculated values screens) does not.
bool HoldsValues(const DataScreen& s) {
    return std::any_of(s.rows.begin(), s.rows.end(),
                       [](const Row& row) { return row.real_value || row.flag_value || row.name_value; });
}

// The project file reads a name back as one word, so a name with a blank would not survive
// saving.
std::string NameRefusal(const FailedField& f, const DataScreen& s) {
    std::string label = f.row->label;
    if (label.ends_with(':')) label.pop_back();
    if (s.slot_columns > 1) label += " (" + std::to_string(f.slot + 1) + ")";
    return label + " must be one word of up to " + std::to_string(kScreenNameLength) +
           " characters, with no blanks.";
}

void AcceptScreen(ScreenContext& c) {
    const DataScreen& s = c.screen;
    FailedField failed;
    if (!ReadRows(c.d, c.r, s, &failed)) {
        if (failed.row != nullptr && failed.row->kind == RowKind::Name) {
            c.Refuse(NameRefusal(failed, s));
        } else {
            RejectRead(c);
        }
        return;
    }
    if (s.one_option && !OneOptionInEachGroup(c)) return;
    if (s.validate && !s.validate(c)) return;
    CommitRows(c.r, s);
    if (s.after_commit) s.after_commit(c);
    if (s.next) {
        ChainTo(c.d, s.next);
    } else if (HoldsValues(s)) {
        Accept(c.d);
    } else {
        c.d.End(kAccepted);  // nothing was committed, so nothing is left to save
    }
}

void CancelScreen(ScreenContext& c) {
    if (c.screen.revert_on_cancel) RevertRows(c.r, c.screen);
    if (c.screen.on_cancel) c.screen.on_cancel(c);
    Dismiss(c.d);
}

}  // namespace

void ScreenContext::Fill() const {
    FillRows(d, r, screen);
}

void ScreenContext::Refuse(const std::string& why) const {
    Message(why, screen.caption);
}

bool ScreenContext::Read() const {
    return ReadRows(d, r, screen);
}

DialogTemplate BuildTemplate(const DataScreen& screen) {
    return Layout(screen).Build();
}

const DialogTemplate& ScreenTemplate(const DataScreen& screen) {
    static std::map<const DataScreen*, DialogTemplate> built;
    auto found = built.find(&screen);
    if (found == built.end()) found = built.emplace(&screen, BuildTemplate(screen)).first;
    return found->second;
}

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

bool OneOptionInEachGroup(ScreenContext& c) {
    std::map<RadioGroupKey, int> chosen;
    for (const Row& row : c.screen.rows) {
        if (row.kind != RowKind::Radio || !row.flag) continue;
        for (int k = 0; k < SlotsOf(row, c.screen); ++k) chosen[{row.group, k}] += row.flag.In(c.r, k);
    }
    for (const auto& [group, count] : chosen) {
        if (count != 1) {
            c.Message(kChooseOneOption, kChooseOneOptionCaption);
            return false;
        }
    }
    return true;
}

void RejectRead(ScreenContext& c) {
    switch (c.screen.on_invalid) {
        case OnInvalid::Message:
            c.Message(kInvalidInput, kInvalidInputCaption);
            c.Fill();
            break;
        case OnInvalid::Refill: c.Fill(); break;
        case OnInvalid::Stay: break;
    }
}

void RunDataScreen(const DataScreen& s, Dialog& d, const DialogEvent& e) {
    ScreenContext c{d, Project(), s};
    if (s.on_event) s.on_event(c, e);
    switch (e.kind) {
        case DialogEvent::Opened:
            if (s.on_open) s.on_open(c);
            c.Fill();
            break;
        case DialogEvent::FieldEntered: d.SelectAllText(e.id); break;
        case DialogEvent::FieldLeft:
            if (s.on_field_left) s.on_field_left(c, e.id);
            break;
        case DialogEvent::TextEdited:
            if (s.on_text_edited) s.on_text_edited(c, e.id);
            break;
        case DialogEvent::Clicked:
            if (s.on_click) s.on_click(c, e.id);
            break;
        case DialogEvent::Spin: SpinCount(c, e); break;
        case DialogEvent::Ok: AcceptScreen(c); break;
        case DialogEvent::Cancel:
            if (s.cancel_button) {
                CancelScreen(c);
            } else {
                AcceptScreen(c);
            }
            break;
        default: break;
    }
}

DialogProc ScreenProc(const DataScreen& screen) {
    auto busy = std::make_shared<bool>(false);
    return [&screen, busy](Dialog& d, const DialogEvent& e) {
        if (*busy && IsChangeEvent(e)) return;
        *busy = true;
        RunDataScreen(screen, d, e);
        *busy = false;
        if (e.kind == DialogEvent::Clicked && e.id == screen.help_button) {
            ShowHelpText(d.ui(), d, HelpCaption(screen.help_file), screen.help_file);
        }
    };
}

bool ShowScreen(Ui& ui, Owner owner, const DataScreen& screen) {
    return ui.ShowModal(owner, ScreenTemplate(screen), ScreenProc(screen)) == kAccepted;
}

bool OpenScreen(Ui& ui, Owner owner, const DataScreen& screen) {
    if (screen.loads_copies) RevertRows(Project(), screen);
    return ShowScreen(ui, owner, screen);
}

bool ReadNameText(std::string_view text, NameText& name) {
    const bool blank =
        std::any_of(text.begin(), text.end(), [](unsigned char ch) { return std::isspace(ch) != 0; });
    if (text.empty() || blank || text.size() > kFieldTextLimit) return false;
    const std::string kept(text.substr(0, kScreenNameLength));
    SetName(name, kept.c_str());
    return true;
}

}  // namespace velmar
