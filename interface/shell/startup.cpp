#include "interface/shell/startup.h"

#include "interface/resources/strings.h"
#include "interface/resources/templates.h"
#include "interface/session/help.h"
#include "interface/session/state.h"
#include "interface/shell/options.h"

namespace velmar {
namespace {

constexpr int kDisclaimerText = 1204;
constexpr int kDeclineButton = 1205;

void DisclaimerProc(Dialog& d, const DialogEvent& e) {
    switch (e.kind) {
        case DialogEvent::Opened:
            d.SetText(kDisclaimerText, ReadHelpFile("Disclaimer.txt").value_or(kNoDisclaimerFile));
            break;
        case DialogEvent::Ok:
            Shell().exiting = false;
            d.End(kOkId);
            break;
        case DialogEvent::Clicked:
            if (e.id != kDeclineButton) break;
            Shell().exiting = true;
            d.End(kDeclineButton);
            break;
        default: break;  // Escape and the close box do not leave the disclaimer
    }
}

}  // namespace

WindowPosition MainWindowPosition(int screen_width, int work_area_height) {
    return {(screen_width - kMainWindowWidth) / 2, (work_area_height - kMainWindowHeight) / 2};
}

bool ShowDisclaimer(Ui& ui) {
    ui.ShowModal(kNoOwner, Template(kDisclaimerDialog), DisclaimerProc);
    return !Shell().exiting;
}

void PrepareSession(Ui& ui) {
    ClearProject();
    LoadProgramOptions(ui);
}

}  // namespace velmar
