#include "interface/platform/scripted/scripted_dialog.h"

#include <algorithm>

namespace velmar {
namespace {

std::string Describe(int template_number, int id) {
    return "dialog " + std::to_string(template_number) + ", control " + std::to_string(id);
}

bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::GroupBox && kind != ControlKind::Link;
}

}  // namespace

ScriptedDialog::ScriptedDialog(Ui& ui, const DialogTemplate& dialog, const DialogProc& proc)
    : ui_(ui), template_(dialog), proc_(proc), caption_(dialog.caption) {
    for (const Control& control : dialog.controls) {
        ControlState& state = controls_[control.id];
        state.control = control;
        state.text = control.text;
        state.enabled = !(control.flags & kDisabled);
        state.shown = !(control.flags & kHidden);
        state.position = control.low;
    }
}

ScriptedDialog::ControlState& ScriptedDialog::At(int id) {
    auto found = controls_.find(id);
    if (found == controls_.end()) throw ScriptError(Describe(template_.number, id) + " does not exist");
    return found->second;
}

const ScriptedDialog::ControlState& ScriptedDialog::At(int id) const {
    return const_cast<ScriptedDialog*>(this)->At(id);
}

std::string ScriptedDialog::Text(int id) const {
    return At(id).text;
}
void ScriptedDialog::SetText(int id, const std::string& text) {
    At(id).text = text;
}
void ScriptedDialog::SelectAllText(int id) {
    selected_all_ = At(id).control.id;
}
bool ScriptedDialog::Checked(int id) const {
    return At(id).checked;
}

void ScriptedDialog::SetChecked(int id, bool checked) {
    ControlState& state = At(id);
    if (checked && state.control.kind == ControlKind::RadioButton) {
        for (auto& [other_id, other] : controls_) {
            if (other.control.kind == ControlKind::RadioButton &&
                other.control.at.group == state.control.at.group &&
                other.control.radio_set == state.control.radio_set) {
                other.checked = false;
            }
        }
    }
    state.checked = checked;
}

bool ScriptedDialog::IsEnabled(int id) const {
    return At(id).enabled;
}
void ScriptedDialog::Enable(int id, bool enabled) {
    At(id).enabled = enabled;
}
bool ScriptedDialog::IsShown(int id) const {
    return At(id).shown;
}
void ScriptedDialog::Show(int id, bool shown) {
    At(id).shown = shown;
}
void ScriptedDialog::SetFocus(int id) {
    focus_ = At(id).control.id;
}

void ScriptedDialog::SetItems(int id, const std::vector<std::string>& items) {
    ControlState& state = At(id);
    state.items.clear();
    for (const std::string& item : items) state.items.emplace_back(item, false);
    state.chosen = -1;
}

int ScriptedDialog::ItemCount(int id) const {
    return static_cast<int>(At(id).items.size());
}

bool ScriptedDialog::ItemChecked(int id, int item) const {
    const ControlState& state = At(id);
    if (item < 0 || item >= static_cast<int>(state.items.size())) {
        throw ScriptError(Describe(template_.number, id) + " has no item " + std::to_string(item));
    }
    return state.items[item].second;
}

void ScriptedDialog::SetItemChecked(int id, int item, bool checked) {
    ItemChecked(id, item);
    At(id).items[item].second = checked;
}

int ScriptedDialog::ChosenItem(int id) const {
    return At(id).chosen;
}

void ScriptedDialog::ChooseItem(int id, int item) {
    if (item >= 0) ItemChecked(id, item);
    At(id).chosen = item;
}

void ScriptedDialog::SetChart(int id, const Chart& chart) {
    At(id).chart = chart;
}

bool ScriptedDialog::SaveChart(int id, const std::string& path) {
    At(id);
    saved_charts_.push_back(path);
    return true;
}

void ScriptedDialog::SetProgress(int id, int percent) {
    At(id).position = std::clamp(percent, 0, 100);
}

int ScriptedDialog::SpinPosition(int id) const {
    return At(id).position;
}

void ScriptedDialog::SetSpinPosition(int id, int position) {
    ControlState& state = At(id);
    state.position = std::clamp(position, state.control.low, state.control.high);
}

void ScriptedDialog::End(int result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
}

ScriptedDialog::ControlState& ScriptedDialog::Usable(int id, const char* action) {
    ControlState& state = At(id);
    if (!state.enabled || !state.shown) {
        throw ScriptError(std::string("cannot ") + action + " " + Describe(template_.number, id) +
                          (state.shown ? ": it is disabled" : ": it is hidden"));
    }
    return state;
}

bool ScriptedDialog::IsField(const ControlState& c) const {
    return c.control.kind == ControlKind::NumberField || c.control.kind == ControlKind::TextField ||
           c.control.kind == ControlKind::ReadOnlyField;
}

void ScriptedDialog::Send(DialogEvent event) {
    if (!ended_) proc_(*this, event);
}

void ScriptedDialog::MoveFocus(int id) {
    if (focus_ == id) return;
    const int previous = focus_;
    focus_ = id;
    if (previous != 0 && IsField(At(previous))) Send({DialogEvent::FieldLeft, previous});
    if (IsField(At(id))) Send({DialogEvent::FieldEntered, id});
}

void ScriptedDialog::Open() {
    Send({DialogEvent::Opened});
}

void ScriptedDialog::UserType(int id, const std::string& text) {
    ControlState& state = Usable(id, "type into");
    if (state.control.kind != ControlKind::NumberField && state.control.kind != ControlKind::TextField) {
        throw ScriptError("cannot type into " + Describe(template_.number, id) + ": it is not an edit field");
    }
    MoveFocus(id);
    At(id).text = text;
    Send({DialogEvent::TextEdited, id});
}

void ScriptedDialog::UserClick(int id) {
    ControlState& state = Usable(id, "click");
    switch (state.control.kind) {
        case ControlKind::CheckBox: state.checked = !state.checked; break;
        case ControlKind::RadioButton: SetChecked(id, true); break;
        case ControlKind::PushButton:
        case ControlKind::DefaultButton:
        case ControlKind::Link: break;
        default: throw ScriptError("cannot click " + Describe(template_.number, id) + ": it is not a button");
    }
    if (TakesFocus(state.control.kind)) MoveFocus(id);
    Send(ClickEvent(id));
}

void ScriptedDialog::UserEscape() {
    Send({DialogEvent::Cancel});
}

void ScriptedDialog::UserFocus(int id) {
    Usable(id, "focus");
    MoveFocus(id);
}

void ScriptedDialog::UserCheckItem(int id, int item, bool checked) {
    Usable(id, "check an item of");
    if (ItemChecked(id, item) == checked) return;
    At(id).items[item].second = checked;
    Send({DialogEvent::ItemChanged, id, item});
}

void ScriptedDialog::UserChooseItem(int id, int item) {
    Usable(id, "choose an item of");
    ChooseItem(id, item);
    Send({DialogEvent::ItemChanged, id, item});
}

void ScriptedDialog::UserSpin(int id, int steps) {
    ControlState& state = Usable(id, "spin");
    if (state.control.kind != ControlKind::Spin) {
        throw ScriptError("cannot spin " + Describe(template_.number, id) + ": it is not a spin control");
    }
    SetSpinPosition(id, state.position + steps);
    Send({DialogEvent::Spin, id, -1, At(id).position});
}

}  // namespace velmar
