// The generic procedure of a data-entry screen and the ways to open one.
#include "interface/screens/framework/screen_table.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "interface/resources/help_topics.h"
#include "interface/resources/screen_strings.h"
#include "interface/screens/framework/table_rows.h"
#include "interface/session/help.h"
#include "interface/session/state.h"

namespace velmar {
namespace {

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

}  // namespace velmar
