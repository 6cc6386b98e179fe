#include "interface/platform/qt/keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace velmar {
namespace {

// Enabled, and shown once its window is.
bool Usable(const QWidget* w) {
    return w->isEnabled() && w->isVisibleTo(w->window());
}

bool TabStop(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

bool IsInput(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w);
}

bool IsButton(const QWidget* w) {
    return qobject_cast<const QPushButton*>(w) != nullptr;
}

// -1 for Up and Left, +1 for Down and Right, 0 for any other key or a key held with a
// modifier.
int ArrowDirection(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != Qt::NoModifier) return 0;
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: return -1;
        case Qt::Key_Down:
        case Qt::Key_Right: return 1;
        default: return 0;
    }
}

// The keyboard's handling of one radio group.
class RadioGroupKeys : public QObject {
public:
    explicit RadioGroupKeys(QButtonGroup* group) : QObject(group), group_(group) {
        for (QAbstractButton* button : group->buttons()) button->installEventFilter(this);
        QObject::connect(group, &QButtonGroup::buttonToggled, this, [this] { UpdateTabStop(); });
        UpdateTabStop();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::EnabledChange:
            case QEvent::ShowToParent:
            case QEvent::HideToParent: UpdateTabStop(); break;
            case QEvent::KeyPress:
                if (const int direction = ArrowDirection(*static_cast<QKeyEvent*>(event))) {
                    ChooseNext(static_cast<QAbstractButton*>(watched), direction);
                    return true;
                }
                break;
            default: break;
        }
        return false;
    }

private:
    void UpdateTabStop() {
        const QList<QAbstractButton*> buttons = group_->buttons();
        QAbstractButton* stop = group_->checkedButton();
        if (!stop || !Usable(stop)) {
            auto first = std::find_if(buttons.begin(), buttons.end(), Usable);
            stop = first == buttons.end() ? nullptr : *first;
        }
        for (QAbstractButton* button : buttons)
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }

    // The next usable button in the direction, round the group's end, takes the focus and
    // is chosen.
    void ChooseNext(QAbstractButton* from, int direction) {
        const QList<QAbstractButton*> buttons = group_->buttons();
        const auto n = buttons.size();
        const auto at = buttons.indexOf(from);
        for (qsizetype step = 1; step < n; ++step) {
            QAbstractButton* next = buttons[((at + direction * step) % n + n) % n];
            if (!Usable(next)) continue;
            next->setFocus(Qt::TabFocusReason);
            next->click();
            return;
        }
    }

    QButtonGroup* group_;
};

}  // namespace

void SetTabOrder(const std::vector<QWidget*>& reading_order) {
    QWidget* previous = nullptr;
    for (QWidget* w : reading_order) {
        if (w->focusPolicy() == Qt::NoFocus) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void KeepOneTabStop(QButtonGroup* group) {
    new RadioGroupKeys(group);
}

void FocusFirstInput(const std::vector<QWidget*>& reading_order) {
    for (bool (*kind)(const QWidget*) : {IsInput, IsButton}) {
        for (QWidget* w : reading_order) {
            if (kind(w) && Usable(w) && TabStop(w)) {
                w->setFocus(Qt::TabFocusReason);
                // As when tabbed into: typing replaces the value shown.
                if (auto* field = qobject_cast<QLineEdit*>(w)) field->selectAll();
                return;
            }
        }
    }
}

}  // namespace velmar
