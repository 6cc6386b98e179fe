// Dialog templates: what a modal dialog holds and where each control stands, as plain data.
// A host (Qt or scripted) builds a live dialog from a template; screens never see widgets.
#pragma once

#include <string>
#include <vector>

#include "interface/platform/dialog_event.h"

namespace velmar {

enum class ControlKind {
    Label,          // static text
    NumberField,    // one-line edit for a number
    ReadOnlyField,  // one-line edit the user cannot change
    TextField,      // one-line edit for free text
    MultilineText,  // read-only text box with a vertical scroll bar
    RadioButton,    // exclusive within its container and radio set
    CheckBox,
    CheckList,  // one-column list whose items carry check marks
    Spin,       // up-down arrows for the field declared just before them; hold a position within a range
    PushButton,
    DefaultButton,  // pressed by Enter
    GroupBox,       // a framed container for the controls that name it as their group
    Link,           // text that opens something when clicked
    ChoiceList,     // one-column list from which one item is chosen
    Chart,          // a chart drawn from data (lines, axes, markers, bands); width and lines size it
    Progress,       // a bar showing how much of a piece of work is done, in per cent
};

// Where a control stands: a cell of the grid of its container (the dialog body or a group
// box). Buttons without a row go to the dialog's button strip, in the order declared. The
// keyboard visits the controls in reading order: the body row by row, each row left to
// right (a group box's controls where the box stands), then the button strip.
struct Placement {
    int row = -1;
    int column = 0;
    int span = 1;   // columns covered
    int group = 0;  // id of the enclosing group box; 0 for the dialog body
};

enum ControlFlag : unsigned {
    kDisabled = 1u << 0,
    kHidden = 1u << 1,
    kCentered = 1u << 2,  // centred text
    kTable = 1u << 3,     // a multi-line box of aligned columns: fixed-pitch letters, lines unwrapped
};

struct Control {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    std::string text;  // caption or initial text
    Placement at;
    unsigned flags = 0;
    int radio_set = 0;  // radio buttons of one container and set exclude each other
    int width = 0;      // wished width in average characters (0: the host decides)
    int lines = 0;      // wished height in text lines of a multi-line box or check list
    int low = 0;        // range of a spin control
    int high = 0;
    int label = 0;    // an input or a shown value: the label (or group box) that names it for a screen reader
    int heading = 0;  // a field of a column of fields: the column's heading, which completes its name
};

enum class ButtonStrip { Bottom, Right };

struct DialogTemplate {
    int number = 0;
    std::string caption;
    std::vector<Control> controls;
    ButtonStrip buttons = ButtonStrip::Bottom;
    bool system_menu = true;  // without it the dialog has no close box
    bool dense = false;       // rows packed as closely as their controls allow, for many rows

    const Control* Find(int id) const;
};

// The controls in the order the keyboard visits them (see Placement).
std::vector<const Control*> ReadingOrder(const DialogTemplate& t);

}  // namespace velmar
