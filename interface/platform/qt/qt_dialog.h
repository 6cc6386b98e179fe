// A dialog template built as a Qt dialog, its widgets' signals turned into dialog events.
#pragma once

#include <QDialog>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "interface/platform/dialog.h"
#include "interface/platform/dialog_template.h"

class QButtonGroup;
class QGridLayout;

namespace velmar {

class QtDialog : public Dialog {
public:
    QtDialog(Ui& ui, QWidget* parent, const DialogTemplate& dialog, const DialogProc& proc);
    ~QtDialog() override;

    // Sends the Opened event, then runs the dialog modally until its procedure ends it.
    int Run();
    QDialog* window() const;
    // The widget of a control; its object name is the control's id.
    QWidget* widget(int id) const;

    int TemplateNumber() const override { return template_.number; }
    Ui& ui() override { return ui_; }
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
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

    void Send(const DialogEvent& event);

private:
    class Window;
    class FocusWatcher;

    void Build();
    QWidget* Make(const Control& control, QWidget* parent);
    void Connect(const Control& control, QWidget* widget);
    void Name(const Control& control);
    QString AccessibleName(const Control& control) const;
    QButtonGroup* RadioSet(const Control& control);

    Ui& ui_;
    const DialogTemplate& template_;
    DialogProc proc_;
    std::unique_ptr<Window> window_;
    std::unique_ptr<FocusWatcher> focus_watcher_;
    std::map<int, QWidget*> widgets_;
    std::map<int, QGridLayout*> containers_;
    std::map<std::pair<int, int>, QButtonGroup*> radio_sets_;
    std::vector<QWidget*> reading_order_;
    std::map<int, std::vector<const Control*>> named_by_;  // label or heading id: the controls it names
    bool ended_ = false;
};

}  // namespace velmar
