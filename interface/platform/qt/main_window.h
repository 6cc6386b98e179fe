// The program's main window: a fixed-size frame with a menu bar over a tiled picture.
#pragma once

#include <QMainWindow>
#include <functional>
#include <span>

#include "interface/platform/menu.h"

namespace velmar {

struct MainWindowDescription {
    QString title;
    QSize size;
    QPoint position;
    QString background_file;  // tiled over the window; a missing file leaves the plain colour
    QString icon_file;
    std::span<const MenuItem> menu;
    std::span<const Accelerator> accelerators;
    std::function<void(int command)> command;
    std::function<bool()> close_request;  // true when the window may close
};

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(MainWindowDescription description);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    MainWindowDescription description_;
};

}  // namespace velmar
