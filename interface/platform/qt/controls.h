// Widgets for the control kinds that Qt has no ready widget for.
#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>

namespace velmar {

// Text that opens something when clicked: dark blue, underlined only while the pointer is
// over it, with a hand cursor.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QWidget* parent);
    void OnClick(std::function<void()> click) { click_ = std::move(click); }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetUnderline(bool underline);
    std::function<void()> click_;
};

// Up and down arrows that move a position within a range, beside the field that shows it.
class SpinArrows : public QWidget {
public:
    SpinArrows(int low, int high, QWidget* parent);
    int position() const { return position_; }
    void SetPosition(int position);
    void OnStep(std::function<void(int position)> step) { step_ = std::move(step); }

private:
    void Step(int delta);
    int low_;
    int high_;
    int position_;
    std::function<void(int)> step_;
};

}  // namespace velmar
