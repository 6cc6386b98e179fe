#include "interface/app/main_window_description.h"

#include <QString>
#include <string>

#include "interface/resources/main_menu.h"
#include "interface/resources/strings.h"
#include "interface/session/program_files.h"
#include "interface/shell/menu_commands.h"
#include "interface/shell/startup.h"

namespace velmar {
namespace {

QString ProgramFileName(const std::string& name) {
    return QString::fromStdString(ProgramFile(name).string());
}

}  // namespace

MainWindowDescription VelmarMainWindow(Ui& ui, QPoint position) {
    return {.title = kMainWindowTitle,
            .size = {kMainWindowWidth, kMainWindowHeight},
            .position = position,
            .background_file = ProgramFileName("back.bmp"),
            .icon_file = ProgramFileName("velmar.png"),
            .menu = kMainMenu,
            .accelerators = kMainAccelerators,
            .command = [&ui](int command) { RunMenuCommand(ui, command); },
            .close_request = [&ui] { return CloseRequest(ui); }};
}

}  // namespace velmar
