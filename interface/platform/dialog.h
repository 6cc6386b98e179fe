// A live modal dialog as its procedure sees it: controls read and written by id.
// Changes made through this interface never raise events; only the user's actions do.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "interface/platform/chart.h"
#include "interface/platform/dialog_event.h"

namespace velmar {

class Ui;

class Dialog {
public:
    virtual ~Dialog() = default;

    virtual int TemplateNumber() const = 0;
    // The host that shows this dialog: for message boxes, help and the screens it opens.
    virtual Ui& ui() = 0;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;

    // Text of a label, field, button or multi-line box; lines are separated by '\n'.
    virtual std::string Text(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual void SelectAllText(int id) = 0;

    // Check boxes and radio buttons. Checking a radio button clears the others of its set.
    virtual bool Checked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;

    virtual bool IsEnabled(int id) const = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual bool IsShown(int id) const = 0;
    virtual void Show(int id, bool shown) = 0;
    virtual void SetFocus(int id) = 0;

    // Check lists: SetItems empties the list and adds the items unchecked.
    virtual void SetItems(int id, const std::vector<std::string>& items) = 0;
    virtual int ItemCount(int id) const = 0;
    virtual bool ItemChecked(int id, int item) const = 0;
    virtual void SetItemChecked(int id, int item, bool checked) = 0;

    // Choice lists: the item chosen, or -1 for none. SetItems leaves none chosen.
    virtual int ChosenItem(int id) const = 0;
    virtual void ChooseItem(int id, int item) = 0;

    // Charts: what is drawn, and the chart written as a picture, PNG or SVG by the path's
    // extension; false when the file could not be written.
    virtual void SetChart(int id, const Chart& chart) = 0;
    virtual bool SaveChart(int id, const std::string& path) = 0;

    // Progress bars: per cent done, 0 to 100.
    virtual void SetProgress(int id, int percent) = 0;

    // Spin controls, within the range of their template.
    virtual int SpinPosition(int id) const = 0;
    virtual void SetSpinPosition(int id, int position) = 0;

    // Closes the dialog once the current event is handled; ShowModal returns the result.
    virtual void End(int result) = 0;
};

// A screen: a plain procedure over a dialog, called for every event.
using DialogProc = std::function<void(Dialog&, const DialogEvent&)>;

}  // namespace velmar
