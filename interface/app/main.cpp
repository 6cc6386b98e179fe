// velmarui: the wetland removal model's desktop front end.
#include <QApplication>
#include <QScreen>

#include "interface/app/main_window_description.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/session/program_files.h"
#include "interface/shell/startup.h"
#include "project/file_names.h"

int main(int argc, char** argv) {
    using namespace velmar;
    QApplication app(argc, argv);
    SetProgramFolder(PathFromText(QCoreApplication::applicationDirPath().toStdString()));
    QtUi ui;
    if (!ShowDisclaimer(ui)) return 0;

    const QScreen* screen = QGuiApplication::primaryScreen();
    const WindowPosition at =
        MainWindowPosition(screen->geometry().width(), screen->availableGeometry().height());
    MainWindow window(VelmarMainWindow(ui, {at.x, at.y}));
    ui.SetMainWindow(&window);
    window.show();
    window.activateWindow();  // the keyboard's, once the disclaimer has gone
    PrepareSession(ui);
    return app.exec();
}
