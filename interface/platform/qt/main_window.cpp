#include "interface/platform/qt/main_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QMenuBar>
#include <QPixmap>
#include <QShortcut>

namespace velmar {

MainWindow::MainWindow(MainWindowDescription description) : description_(std::move(description)) {
    setWindowTitle(description_.title);
    setWindowIcon(QIcon(description_.icon_file));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* client = new QWidget(this);
    const QPixmap tile(description_.background_file);
    if (!tile.isNull()) {
        QPalette colours = client->palette();
        colours.setBrush(QPalette::Window, QBrush(tile));
        client->setPalette(colours);
        client->setAutoFillBackground(true);
    }
    setCentralWidget(client);
    BuildMenu();
    // The window keeps its size unless its menu titles need more width: a menu hidden behind
    // the bar's overflow button is a menu the keyboard and the eye cannot find.
    setFixedSize(std::max(description_.size.width(), menuBar()->sizeHint().width()), description_.size.height());
    move(description_.position);
}

void MainWindow::BuildMenu() {
    // Narrow item padding, so that every menu title fits across the small fixed window.
    menuBar()->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 4px; }");
    QMenu* menu = nullptr;
    for (const MenuItem& item : description_.menu) {
        const int command = item.command;
        if (!item.text) {
            menuBar()->addAction(item.menu, this, [this, command] { description_.command(command); });
            menu = nullptr;
            continue;
        }
        if (!menu || menu->title() != item.menu) menu = menuBar()->addMenu(item.menu);
        if (item.separator_before) menu->addSeparator();
        menu->addAction(item.text, this, [this, command] { description_.command(command); });
    }
    for (const Accelerator& accelerator : description_.accelerators) {
        const int command = accelerator.command;
        auto* shortcut = new QShortcut(QKeySequence(accelerator.keys), this);
        connect(shortcut, &QShortcut::activated, this, [this, command] { description_.command(command); });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (description_.close_request()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace velmar
