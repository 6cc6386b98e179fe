#include "interface/app/main_window_description.h"

#include <QApplication>

#include "interface/resources/menu.h"
#include "interface/resources/strings.h"
#include "interface/shell/commands.h"
#include "interface/shell/startup.h"

namespace velmar {

MainWindowDescription VelmarMainWindow(Ui& ui, QPoint position) {
    return {.title = kMainWindowTitle,
            .size = {kMainWindowWidth, kMainWindowHeight},
            .position = position,
            .background_file = "back.bmp",
            .icon_file = QApplication::applicationDirPath() + "/velmar.png",
            .menu = kMainMenu,
            .accelerators = kMainAccelerators,
            .command = [&ui](int command) { RunMenuCommand(ui, command); },
            .close_request = [&ui] { return CloseRequest(ui); }};
}

}  // namespace velmar
