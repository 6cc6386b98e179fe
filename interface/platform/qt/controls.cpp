#include "interface/platform/qt/controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace velmar {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 192));
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::SetUnderline(bool underline) {
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    SetUnderline(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    SetUnderline(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && click_) click_();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (click_) click_();
            return;
        default: QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

namespace {

// Steps of a Page Up or Page Down, as spin boxes commonly take.
constexpr int kPageSteps = 10;

}  // namespace

SpinArrows::SpinArrows(int low, int high, QWidget* parent)
    : QWidget(parent), low_(low), high_(high), position_(low) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [arrow, delta, name] :
         {std::tuple{Qt::UpArrow, 1, "Up"}, std::tuple{Qt::DownArrow, -1, "Down"}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 11);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleName(name);
        QObject::connect(button, &QToolButton::clicked, this,
                         [this, delta = delta] { MoveTo(position_ + delta); });
        layout->addWidget(button);
    }
}

void SpinArrows::SetPosition(int position) {
    position_ = std::clamp(position, low_, high_);
}

void SpinArrows::MoveTo(int position) {
    SetPosition(position);
    if (step_) step_(position_);
}

void SpinArrows::TakeKeysOf(QWidget* field) {
    field->setFocusPolicy(Qt::StrongFocus);
    field->installEventFilter(this);
}

bool SpinArrows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != Qt::NoModifier) return false;
    switch (key->key()) {
        case Qt::Key_Up: MoveTo(position_ + 1); return true;
        case Qt::Key_Down: MoveTo(position_ - 1); return true;
        case Qt::Key_PageUp: MoveTo(position_ + kPageSteps); return true;
        case Qt::Key_PageDown: MoveTo(position_ - kPageSteps); return true;
        case Qt::Key_Home: MoveTo(low_); return true;
        case Qt::Key_End: MoveTo(high_); return true;
        default: return false;
    }
}

}  // namespace velmar
