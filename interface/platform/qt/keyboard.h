// A dialog worked from the keyboard alone: Tab visits its controls in reading order and
// comes back round, a radio group is a single Tab stop whose arrow keys choose, and the
// dialog opens on its first input.
#pragma once

#include <vector>

class QButtonGroup;
class QWidget;

namespace velmar {

// Tab and Shift+Tab go through the widgets in this order.
void SetTabOrder(const std::vector<QWidget*>& reading_order);

// Makes a radio group one Tab stop, its checked button (its first usable one while none is
// checked), and lets the arrow keys move through the group and choose the button they
// reach, as a click on it would. The stop follows the choice and the buttons' enabling.
void KeepOneTabStop(QButtonGroup* group);

// Gives the focus to the first usable input in reading order that Tab stops at — a field,
// a list, a check box, a group's checked button — or, on a dialog without one, to its first
// usable button.
void FocusFirstInput(const std::vector<QWidget*>& reading_order);

}  // namespace velmar
