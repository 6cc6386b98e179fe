// The front end in a web page: the same shell and screens as the desktop program, on the web
// host, with the engine run inside the page on the files kept in its memory.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "interface/platform/web/web_ui.h"
#include "interface/resources/main_menu.h"
#include "interface/resources/strings.h"
#include "interface/session/program_files.h"
#include "interface/session/state.h"
#include "interface/shell/menu_commands.h"
#include "interface/shell/options.h"
#include "interface/shell/startup.h"
#include "model/driver.h"

namespace {

// Where the page keeps the files shipped with the program, as if it were installed there.
constexpr char kProgramFolder[] = "/velmar";

int RunEngineInPage(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{velmar::kEngineFile};
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    // A fresh state for every run, as a started engine would have.
    const auto state = std::make_unique<velmar::ModelState>();
    velmar::ResultsFiles files;
    return velmar::RunEngine(static_cast<int>(argv.size()), argv.data(), *state, files);
}

}  // namespace

int main() {
    using namespace velmar;
    std::filesystem::create_directories(kWebFilesFolder);
    std::filesystem::current_path(kProgramFolder);
    SetProgramFolder(kProgramFolder);
    WebUi ui;
    ui.AddProgram(kEngineFile, RunEngineInPage);
#ifdef VELMAR_WEB_MANUAL
    // The documents the desktop opens as RTF, at their chapters of the manual beside the page.
    ui.AddDocument(kModelOverviewDocument, "manual/index.html#velmar-model-overview-and-technical-basis");
    ui.AddDocument(kGeneralInstructionsDocument, "manual/index.html#velmar-general-instructions");
#endif
    if (!ShowDisclaimer(ui)) {
        ui.End();
        return 0;
    }
    ui.ShowMainWindow({.title = kMainWindowTitle,
                       .width = kMainWindowWidth,
                       .height = kMainWindowHeight,
                       .background_file = TextFromPath(ProgramFile("back.bmp")),
                       .menu = kMainMenu,
                       .accelerators = kMainAccelerators});
    PrepareSession(ui);
    // A page is closed without a word to the program: the options are kept at once, and the
    // browser is asked to warn before unsaved changes are lost.
    for (;;) {
        RunMenuCommand(ui, ui.NextCommand());
        SaveProgramOptions(ui);
        ui.AskBeforeLeaving(Shell().changes);
        if (ui.TakeCloseRequest() && CloseRequest(ui)) break;
    }
    ui.AskBeforeLeaving(false);
    ui.End();
    return 0;
}
