// A dialog held in memory for tests: the controls of a template, their state, and the
// user actions a script plays on them.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "interface/platform/dialog.h"
#include "interface/platform/dialog_template.h"

namespace velmar {

// A script that does not match what the program shows, or an action a user could not take.
class ScriptError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class ScriptedDialog : public Dialog {
public:
    ScriptedDialog(Ui& ui, const DialogTemplate& dialog, const DialogProc& proc);

    int TemplateNumber() const override { return template_.number; }
    Ui& ui() override { return ui_; }
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    std::string Text(int id) const override;
    void SetText(int id, const std::string& text) override;
    void SelectAllText(int id) override;
    bool Checked(int id) const override;
    void SetChecked(int id, bool checked) override;
    bool IsEnabled(int id) const override;
    void Enable(int id, bool enabled) override;
    bool IsShown(int id) const override;
    void Show(int id, bool shown) override;
    void SetFocus(int id) override;
    void SetItems(int id, const std::vector<std::string>& items) override;
    int ItemCount(int id) const override;
    bool ItemChecked(int id, int item) const override;
    void SetItemChecked(int id, int item, bool checked) override;
    int ChosenItem(int id) const override;
    void ChooseItem(int id, int item) override;
    void SetChart(int id, const Chart& chart) override;
    bool SaveChart(int id, const std::string& path) override;
    void SetProgress(int id, int percent) override;
    int SpinPosition(int id) const override;
    void SetSpinPosition(int id, int position) override;
    void End(int result) override;

    // What a chart shows, and the files it was saved to.
    const Chart& ShownChart(int id) const { return At(id).chart; }
    const std::vector<std::string>& SavedCharts() const { return saved_charts_; }
    // The text of a list's item.
    const std::string& ItemText(int id, int item) const {
        return At(id).items.at(static_cast<std::size_t>(item)).first;
    }

    bool ended() const { return ended_; }
    int result() const { return result_; }
    int focus() const { return focus_; }
    // The field whose whole text the procedure selected last, or 0.
    int selected_all() const { return selected_all_; }

    // User actions. Each refuses (throws ScriptError) what a user could not do, such as
    // typing into a disabled or hidden field.
    void Open();
    void UserType(int id, const std::string& text);
    void UserClick(int id);
    void UserEscape();
    void UserFocus(int id);
    void UserCheckItem(int id, int item, bool checked);
    void UserChooseItem(int id, int item);
    void UserSpin(int id, int steps);

private:
    struct ControlState {
        Control control;
        std::string text;
        bool checked = false;
        bool enabled = true;
        bool shown = true;
        std::vector<std::pair<std::string, bool>> items;
        int position = 0;  // a spin control's position, a progress bar's per cent
        int chosen = -1;
        Chart chart;
    };

    ControlState& At(int id);
    const ControlState& At(int id) const;
    ControlState& Usable(int id, const char* action);
    bool IsField(const ControlState& c) const;
    void MoveFocus(int id);
    void Send(DialogEvent event);

    Ui& ui_;
    const DialogTemplate& template_;
    DialogProc proc_;
    std::string caption_;
    std::map<int, ControlState> controls_;
    int focus_ = 0;
    int selected_all_ = 0;
    bool ended_ = false;
    int result_ = 0;
    std::vector<std::string> saved_charts_;
};

}  // namespace velmar
