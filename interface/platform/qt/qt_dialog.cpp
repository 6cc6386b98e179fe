#include "interface/platform/qt/qt_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "interface/platform/qt/chart_widget.h"
#include "interface/platform/qt/controls.h"
#include "interface/platform/qt/keyboard.h"

namespace velmar {

// The dialog window: Escape and the close box become the Cancel event, so that the
// procedure decides whether the dialog closes.
class QtDialog::Window : public QDialog {
public:
    Window(QtDialog& owner, QWidget* parent) : QDialog(parent), owner_(owner) {}
    void reject() override { owner_.Send({DialogEvent::Cancel}); }

private:
    QtDialog& owner_;
};

// Turns focus changes of edit fields into FieldEntered and FieldLeft. Focus that moves
// because another window became active (a message box opening) is not the user's doing.
class QtDialog::FocusWatcher : public QObject {
public:
    explicit FocusWatcher(QtDialog& owner) : owner_(owner) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                owner_.Send(
                    {event->type() == QEvent::FocusIn ? DialogEvent::FieldEntered : DialogEvent::FieldLeft,
                     watched->objectName().toInt()});
            }
        }
        return false;
    }

private:
    QtDialog& owner_;
};

namespace {

// Text of a field that cannot be changed now: grey enough to look inactive, dark enough to read.
const QColor kReadableDisabledText(0x50, 0x50, 0x50);

bool IsButton(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DefaultButton;
}

// Pixels between the rows of a dense dialog.
constexpr int kDenseRowSpacing = 2;

int CharactersWide(const QWidget* widget, int characters) {
    return characters * widget->fontMetrics().averageCharWidth();
}

}  // namespace

QtDialog::QtDialog(Ui& ui, QWidget* parent, const DialogTemplate& dialog, const DialogProc& proc)
    : ui_(ui),
      template_(dialog),
      proc_(proc),
      window_(std::make_unique<Window>(*this, parent)),
      focus_watcher_(std::make_unique<FocusWatcher>(*this)) {
    window_->setObjectName(QString("dialog-%1").arg(dialog.number));
    window_->setWindowTitle(QString::fromStdString(dialog.caption));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialog.system_menu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    window_->setWindowFlags(flags);
    Build();
}

QtDialog::~QtDialog() {
    // The widgets go before the watcher that filters their events.
    window_.reset();
}

void QtDialog::Build() {
    const bool bottom = template_.buttons == ButtonStrip::Bottom;
    QBoxLayout* outer = bottom ? static_cast<QBoxLayout*>(new QVBoxLayout(window_.get()))
                               : static_cast<QBoxLayout*>(new QHBoxLayout(window_.get()));
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* body = new QGridLayout;
    if (template_.dense) body->setVerticalSpacing(kDenseRowSpacing);
    outer->addLayout(body);
    containers_[0] = body;
    QBoxLayout* strip = bottom ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
    if (bottom) strip->addStretch();

    QWidget* previous = nullptr;
    for (const Control& control : template_.controls) {
        QWidget* parent = control.at.group ? widgets_.at(control.at.group) : window_.get();
        QWidget* widget = Make(control, parent);
        auto* field = qobject_cast<QLineEdit*>(previous);
        if (control.kind == ControlKind::Spin && field) static_cast<SpinArrows*>(widget)->TakeKeysOf(field);
        previous = widget;
        widget->setObjectName(QString::number(control.id));
        widget->setEnabled(!(control.flags & kDisabled));
        if (control.flags & kHidden) widget->hide();
        widgets_[control.id] = widget;
        if (IsButton(control.kind) && control.at.row < 0) {
            strip->addWidget(widget);
        } else {
            containers_.at(control.at.group)
                ->addWidget(widget, control.at.row, control.at.column, 1, control.at.span);
        }
        if (control.kind == ControlKind::GroupBox) containers_[control.id] = new QGridLayout(widget);
        Connect(control, widget);
    }
    if (!bottom) strip->addStretch();
    outer->addLayout(strip);

    for (const Control& control : template_.controls) Name(control);
    for (const auto& [key, set] : radio_sets_) KeepOneTabStop(set);
    for (const Control* control : ReadingOrder(template_)) reading_order_.push_back(widgets_.at(control->id));
    SetTabOrder(reading_order_);
}

// A screen reader announces a control by its label (or the group box it fills); a label's
// mnemonic, if it has one, moves to the first control it names.
void QtDialog::Name(const Control& control) {
    if (!control.label) return;
    QWidget* named = widgets_.at(control.id);
    named->setAccessibleName(AccessibleName(control));
    auto* label = qobject_cast<QLabel*>(widgets_.at(control.label));
    if (label && !label->buddy()) label->setBuddy(named);
    named_by_[control.label].push_back(&control);
    if (control.heading) named_by_[control.heading].push_back(&control);
}

// The label's text; a field of a column adds the column's heading, so that the fields of a
// row are told apart: "Log Kow (2)".
QString QtDialog::AccessibleName(const Control& control) const {
    const auto text = [this](int id) {
        QWidget* w = widgets_.at(id);
        if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
        return static_cast<QLabel*>(w)->text();
    };
    QString name = text(control.label);
    if (!control.heading) return name;
    if (name.endsWith(':')) name.chop(1);
    return name + ' ' + text(control.heading);
}

QWidget* QtDialog::Make(const Control& control, QWidget* parent) {
    const QString text = QString::fromStdString(control.text);
    switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);
            if (control.flags & kCentered) label->setAlignment(Qt::AlignCenter);
            if (control.width > 0) {
                label->setWordWrap(true);
                label->setMinimumWidth(CharactersWide(label, control.width));
            }
            return label;
        }
        case ControlKind::NumberField:
        case ControlKind::ReadOnlyField:
        case ControlKind::TextField: {
            auto* field = new QLineEdit(text, parent);
            // Fields that cannot be typed into sit on the window's colour, so they look
            // different from those that can; their numbers stay readable (dark text, a
            // contrast well above 4.5:1), since they are values an engineer checks.
            QPalette colours = field->palette();
            const QColor window = colours.color(QPalette::Active, QPalette::Window);
            colours.setColor(QPalette::Disabled, QPalette::Base, window);
            colours.setColor(QPalette::Disabled, QPalette::Text, kReadableDisabledText);
            if (control.kind == ControlKind::ReadOnlyField) {
                // A value to read and copy, not to edit: skipped by Tab.
                field->setReadOnly(true);
                field->setFocusPolicy(Qt::ClickFocus);
                for (auto group : {QPalette::Active, QPalette::Inactive})
                    colours.setColor(group, QPalette::Base, window);
            }
            field->setPalette(colours);
            if (control.width > 0) field->setMinimumWidth(CharactersWide(field, control.width));
            return field;
        }
        case ControlKind::MultilineText: {
            auto* box = new QPlainTextEdit(text, parent);
            box->setReadOnly(true);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            if (control.flags & kTable) {
                box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
                box->setLineWrapMode(QPlainTextEdit::NoWrap);
            }
            const int frame = 2 * box->frameWidth() + 2 * static_cast<int>(box->document()->documentMargin());
            box->setMinimumSize(
                CharactersWide(box, control.width) + box->verticalScrollBar()->sizeHint().width() + frame,
                control.lines * box->fontMetrics().lineSpacing() + frame);
            return box;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(text, parent);
            RadioSet(control)->addButton(radio);
            return radio;
        }
        case ControlKind::CheckBox: return new QCheckBox(text, parent);
        case ControlKind::CheckList: {
            auto* list = new QListWidget(parent);
            // The current item is highlighted, so that a keyboard user sees what Space ticks.
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            if (control.width > 0) list->setMinimumWidth(CharactersWide(list, control.width));
            // As tall as its lines, so that a short list does not stretch its dialog.
            if (control.lines > 0)
                list->setFixedHeight((control.lines + 1) * list->fontMetrics().lineSpacing());
            return list;
        }
        case ControlKind::Spin: return new SpinArrows(control.low, control.high, parent);
        case ControlKind::PushButton:
        case ControlKind::DefaultButton: {
            auto* button = new QPushButton(text, parent);
            button->setDefault(control.kind == ControlKind::DefaultButton);
            return button;
        }
        case ControlKind::GroupBox: return new QGroupBox(text, parent);
        case ControlKind::Link: return new LinkLabel(text, parent);
        case ControlKind::ChoiceList: {
            auto* list = new QListWidget(parent);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            if (control.width > 0) list->setMinimumWidth(CharactersWide(list, control.width));
            if (control.lines > 0)
                list->setFixedHeight((control.lines + 1) * list->fontMetrics().lineSpacing());
            return list;
        }
        case ControlKind::Chart: {
            auto* chart = new ChartWidget(CharactersWide(parent, control.width),
                                          control.lines * parent->fontMetrics().lineSpacing(), parent);
            chart->setAccessibleName(text);
            return chart;
        }
        case ControlKind::Progress: {
            auto* bar = new QProgressBar(parent);
            bar->setRange(0, 100);
            bar->setValue(0);
            return bar;
        }
    }
    return nullptr;
}

QButtonGroup* QtDialog::RadioSet(const Control& control) {
    QButtonGroup*& set = radio_sets_[{control.at.group, control.radio_set}];
    if (!set) set = new QButtonGroup(window_.get());
    return set;
}

void QtDialog::Connect(const Control& control, QWidget* widget) {
    const int id = control.id;
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        field->installEventFilter(focus_watcher_.get());
        QObject::connect(field, &QLineEdit::textEdited, [this, id] { Send({DialogEvent::TextEdited, id}); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::clicked, [this, id] { Send(ClickEvent(id)); });
    } else if (control.kind == ControlKind::ChoiceList) {
        auto* list = static_cast<QListWidget*>(widget);
        QObject::connect(list, &QListWidget::currentRowChanged, [this, id](int row) {
            if (row >= 0) Send({DialogEvent::ItemChanged, id, row});
        });
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        QObject::connect(list, &QListWidget::itemChanged, [this, id, list](QListWidgetItem* item) {
            Send({DialogEvent::ItemChanged, id, list->row(item)});
        });
    } else if (control.kind == ControlKind::Spin) {
        static_cast<SpinArrows*>(widget)->OnStep([this, id](int position) {
            Send({DialogEvent::Spin, id, -1, position});
        });
    } else if (control.kind == ControlKind::Link) {
        static_cast<LinkLabel*>(widget)->OnClick([this, id] { Send({DialogEvent::Clicked, id}); });
    }
}

void QtDialog::Send(const DialogEvent& event) {
    if (!ended_) proc_(*this, event);
}

int QtDialog::Run() {
    Send({DialogEvent::Opened});
    if (ended_) return window_->result();
    if (!window_->focusWidget()) FocusFirstInput(reading_order_);
    // A dialog takes the keyboard as it appears, also one without an owner and where no
    // window manager hands the focus over.
    QTimer::singleShot(0, window_.get(), [window = window_.get()] { window->activateWindow(); });
    return window_->exec();
}

void QtDialog::End(int result) {
    if (ended_) return;
    ended_ = true;
    window_->done(result);
}

QDialog* QtDialog::window() const {
    return window_.get();
}

QWidget* QtDialog::widget(int id) const {
    auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
}

std::string QtDialog::Caption() const {
    return window_->windowTitle().toStdString();
}
void QtDialog::SetCaption(const std::string& caption) {
    window_->setWindowTitle(QString::fromStdString(caption));
}

std::string QtDialog::Text(int id) const {
    QWidget* w = widget(id);
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
    if (auto* field = qobject_cast<QLineEdit*>(w)) text = field->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(w)) text = box->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) text = group->title();
    return text.toStdString();
}

void QtDialog::SetText(int id, const std::string& text) {
    QWidget* w = widget(id);
    const QString value = QString::fromStdString(text);
    if (auto* label = qobject_cast<QLabel*>(w)) label->setText(value);
    if (auto* field = qobject_cast<QLineEdit*>(w)) field->setText(value);
    if (auto* box = qobject_cast<QPlainTextEdit*>(w)) box->setPlainText(value);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(value);
    if (auto* group = qobject_cast<QGroupBox*>(w)) group->setTitle(value);
    for (const Control* named : named_by_[id])
        widgets_.at(named->id)->setAccessibleName(AccessibleName(*named));
}

void QtDialog::SelectAllText(int id) {
    auto* field = qobject_cast<QLineEdit*>(widget(id));
    if (!field) return;
    field->selectAll();
    // A field entered by a mouse click places its cursor after the focus arrives, which
    // would drop the selection: select again once the click has been handled.
    QTimer::singleShot(0, field, [field] { field->selectAll(); });
}

bool QtDialog::Checked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(widget(id));
    return button && button->isChecked();
}

void QtDialog::SetChecked(int id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(widget(id));
    if (!button) return;
    // An exclusive set refuses to clear its checked button, and a set may hold none.
    QButtonGroup* set = button->group();
    if (set && !checked) set->setExclusive(false);
    button->setChecked(checked);
    if (set && !checked) set->setExclusive(true);
}

bool QtDialog::IsEnabled(int id) const {
    return widget(id)->isEnabled();
}
void QtDialog::Enable(int id, bool enabled) {
    widget(id)->setEnabled(enabled);
}
bool QtDialog::IsShown(int id) const {
    return !widget(id)->isHidden();
}
void QtDialog::Show(int id, bool shown) {
    widget(id)->setVisible(shown);
}
void QtDialog::SetFocus(int id) {
    widget(id)->setFocus(Qt::OtherFocusReason);
}

// The items are rewritten where they stand, not replaced: a list refilled while the user
// works in it (even from its own change signal) keeps its current item and its scroll
// position. Each item's whole text is its tooltip too.
void QtDialog::SetItems(int id, const std::vector<std::string>& items) {
    auto* list = qobject_cast<QListWidget*>(widget(id));
    const QSignalBlocker quiet(list);
    const bool choice = template_.Find(id)->kind == ControlKind::ChoiceList;
    const int count = static_cast<int>(items.size());
    while (list->count() > count) delete list->takeItem(list->count() - 1);
    for (int i = 0; i < count; ++i) {
        QListWidgetItem* item = i < list->count() ? list->item(i) : new QListWidgetItem(list);
        const QString text = QString::fromStdString(items[static_cast<std::size_t>(i)]);
        item->setText(text);
        item->setToolTip(text);  // whole, where the list is narrower than the item
        if (choice) continue;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    if (choice) list->setCurrentRow(-1);
}

int QtDialog::ChosenItem(int id) const {
    return qobject_cast<QListWidget*>(widget(id))->currentRow();
}

void QtDialog::ChooseItem(int id, int item) {
    auto* list = qobject_cast<QListWidget*>(widget(id));
    const QSignalBlocker quiet(list);
    list->setCurrentRow(item);
    if (QListWidgetItem* chosen = list->currentItem()) list->scrollToItem(chosen);
}

void QtDialog::SetChart(int id, const Chart& chart) {
    static_cast<ChartWidget*>(widget(id))->Draw(chart);
}

bool QtDialog::SaveChart(int id, const std::string& path) {
    return static_cast<ChartWidget*>(widget(id))->Save(path);
}

void QtDialog::SetProgress(int id, int percent) {
    qobject_cast<QProgressBar*>(widget(id))->setValue(std::clamp(percent, 0, 100));
}

int QtDialog::ItemCount(int id) const {
    return qobject_cast<QListWidget*>(widget(id))->count();
}

bool QtDialog::ItemChecked(int id, int item) const {
    return qobject_cast<QListWidget*>(widget(id))->item(item)->checkState() == Qt::Checked;
}

void QtDialog::SetItemChecked(int id, int item, bool checked) {
    auto* list = qobject_cast<QListWidget*>(widget(id));
    const QSignalBlocker quiet(list);
    list->item(item)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

int QtDialog::SpinPosition(int id) const {
    return static_cast<SpinArrows*>(widget(id))->position();
}
void QtDialog::SetSpinPosition(int id, int position) {
    static_cast<SpinArrows*>(widget(id))->SetPosition(position);
}

}  // namespace velmar
