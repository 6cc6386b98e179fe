#include "interface/shell/about.h"

#include "interface/resources/templates.h"
#include "interface/shell/help.h"

namespace velmar {
namespace {

constexpr int kAboutText = 1014;
constexpr int kDetailsButton = 1017;

constexpr const char* kAbout =
    "Velmar Screening Model\n\nVersion 2.5"
    "\n\nfor Microsoft Windows Operating Systems"
    "\n\n(May 2005)\n\nDeveloped by:\n\n"
    "The Velmar Project\n\n"
    "Open-source wetland modelling, maintained in the Velmar source repository\n\n"
    "Support line: 555-0142 (see readme.doc)";

}  // namespace

void ShowAbout(Ui& ui, Owner owner) {
    ui.ShowModal(owner, Template(kAboutDialog), [&ui](Dialog& d, const DialogEvent& e) {
        switch (e.kind) {
            case DialogEvent::Opened: d.SetText(kAboutText, kAbout); break;
            case DialogEvent::Clicked:
                if (e.id == kDetailsButton) ShowDetailedInformation(ui, d);
                break;
            case DialogEvent::Ok:
            case DialogEvent::Cancel: d.End(kOkId); break;
            default: break;
        }
    });
}

}  // namespace velmar
