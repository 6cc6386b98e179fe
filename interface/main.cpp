// velmarui: the wetland removal model's desktop front end.
#include <QApplication>
#include <QScreen>

#include "interface/platform/qt/main_window.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/menu.h"
#include "interface/resources/strings.h"
#include "interface/shell/commands.h"
#include "interface/shell/startup.h"

int main(int argc, char** argv) {
    using namespace velmar;
    QApplication app(argc, argv);
    QtUi ui;
    if (!ShowDisclaimer(ui)) return 0;

    const QScreen* screen = QGuiApplication::primaryScreen();
    const WindowPosition at =
        MainWindowPosition(screen->geometry().width(), screen->availableGeometry().height());
    MainWindow window({.title = kMainWindowTitle,
                       .size = {kMainWindowWidth, kMainWindowHeight},
                       .position = {at.x, at.y},
                       .background_file = "back.bmp",
                       .icon_file = QApplication::applicationDirPath() + "/velmar.png",
                       .menu = kMainMenu,
                       .accelerators = kMainAccelerators,
                       .command = [&ui](int command) { RunMenuCommand(ui, command); },
                       .close_request = [&ui] { return CloseRequest(ui); }});
    ui.SetMainWindow(&window);
    window.show();
    PrepareSession(ui);
    return app.exec();
}
