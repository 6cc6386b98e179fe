#include "interface/shell/about.h"

#include "interface/resources/strings.h"
#include "interface/resources/templates.h"
#include "interface/session/help.h"
#include "interface/session/program_files.h"

namespace velmar {
namespace {

constexpr int kAboutText = 1014;
constexpr int kDetailsButton = 1017;
constexpr int kDetailsTextBox = 1015;
constexpr int kTechnicalReportLink = 1206;

// The version comes from the build, so the About box and the package always agree.
constexpr const char* kAbout =
    "Velmar Screening Model\n\nVersion " VELMAR_VERSION
    "\n\n(May 2005)\n\nDeveloped by:\n\n"
    "The Velmar Project\n\n"
    "Open-source wetland modelling, maintained in the Velmar source repository\n\n"
    "Help: Model Overview and General Instructions, on the Help menu";

constexpr const char* kDetailedInformation =
    "The Velmar Screening Model (VELMAR)"
    " screening model was designed with the objective of"
    " estimating the Removal Efficiency for a specific"
    " pollutant by a wetland. The model is a screening-"
    "level assessment that uses simplified quantitative"
    " methods that minimize time and effort for the"
    " end-user.";

}  // namespace

void ShowDetailedInformation(Ui& ui, Owner owner) {
    ui.ShowModal(owner, Template(kDetailedInformationDialog), [&ui](Dialog& d, const DialogEvent& e) {
        if (e.kind == DialogEvent::Opened) d.SetText(kDetailsTextBox, kDetailedInformation);
        if (e.kind == DialogEvent::Clicked && e.id == kTechnicalReportLink)
            ui.OpenDocument(TextFromPath(ProgramFile(kTechnicalReportDocument)));
        if (e.kind == DialogEvent::Ok || e.kind == DialogEvent::Cancel) d.End(kOkId);
    });
}

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
