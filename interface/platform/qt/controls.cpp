#include "interface/platform/qt/controls.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace velmar {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 192));
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
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

SpinArrows::SpinArrows(int low, int high, QWidget* parent)
    : QWidget(parent), low_(low), high_(high), position_(low) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 11);
        button->setFocusPolicy(Qt::NoFocus);
        QObject::connect(button, &QToolButton::clicked, this, [this, delta = delta] { Step(delta); });
        layout->addWidget(button);
    }
}

void SpinArrows::SetPosition(int position) {
    position_ = std::clamp(position, low_, high_);
}

void SpinArrows::Step(int delta) {
    SetPosition(position_ + delta);
    if (step_) step_(position_);
}

}  // namespace velmar
