// Widgets for the control kinds that Qt has no ready widget for.
#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>

namespace velmar {

// Text that opens something when clicked, or with Space or Return once tabbed to: dark
// blue, underlined only while the pointer is over it, with a hand cursor, and framed while
// it has the focus.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QWidget* parent);
    void OnClick(std::function<void()> click) { click_ = std::move(click); }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetUnderline(bool underline);
    std::function<void()> click_;
};

// Up and down arrows that move a position within a range, beside the field that shows it.
// The field takes the keys of the arrows as well: Up and Down step as the arrows do, Page Up
// and Page Down step ten at a time, Home and End go to the ends of the range. Each key is
// one step of the arrows, reported as theirs.
class SpinArrows : public QWidget {
public:
    SpinArrows(int low, int high, QWidget* parent);
    int position() const { return position_; }
    void SetPosition(int position);
    void OnStep(std::function<void(int position)> step) { step_ = std::move(step); }
    // Makes the field a Tab stop whose keys move the position; its text stays as it is.
    void TakeKeysOf(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MoveTo(int position);
    int low_;
    int high_;
    int position_;
    std::function<void(int)> step_;
};

}  // namespace velmar
