// velmarui_screenshots OUTDIR [PROGRAM_FOLDER [PROJECT]]: saves the main window and every
// dialog template as PNG files, for reviewing layouts by eye and for the manual. The shell's
// windows find their texts in the current directory or, when it is given, the program folder
// (such as build/dist); under QT_QPA_PLATFORM=offscreen it needs no display.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "interface/analysis/calibrate_window.h"
#include "interface/analysis/compare_window.h"
#include "interface/analysis/series_window.h"
#include "interface/analysis/size_window.h"
#include "interface/analysis/sweep_window.h"
#include "interface/analysis/uncertainty_window.h"
#include "interface/app/main_window_description.h"
#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/analysis_templates.h"
#include "interface/resources/templates.h"
#include "interface/results/comparison_screen.h"
#include "interface/results/results_screen.h"
#include "interface/screens/framework/registry.h"
#include "interface/session/help.h"
#include "interface/session/program_files.h"
#include "interface/session/state.h"
#include "interface/shell/about.h"
#include "interface/shell/screen_inputs.h"
#include "interface/shell/startup.h"
#include "project/project_file.h"

namespace {

using namespace velmar;

void Save(QWidget& widget, const QString& path) {
    widget.show();
    QApplication::processEvents();
    if (!widget.grab().save(path)) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

// The project whose run left the Results.txt of the current directory, when one was given:
// it decides which rows the results screen shows.
std::string results_project;

// Every constituent, three of each contaminant, every outflow asked for: the results screen
// at its largest.
void ChooseEveryResult(ProjectRecord& r) {
    r.model_tss = r.model_tcb = r.model_bod = r.model_n = r.model_p = r.model_contaminant = 1;
    r.NumOC_SLR = r.NumHM_LLR = 3;
    r.checked_TSSGenOutConc = r.checked_TCBGenOutConc = r.checked_BODGenOutConc = 1;
    r.checked_TNGenOutConc = r.checked_TPGenOutConc = 1;
    r.checked_Contam1OutConc = r.checked_Contam2OutConc = r.checked_Contam3OutConc = 1;
    r.checked_HM1OutConc = r.checked_HM2OutConc = r.checked_HM3OutConc = 1;
}

// Shows a screen of the run whose results the current directory holds.
void WithResultsProject(const std::function<void()>& show) {
    const ProjectRecord sample = Project();
    if (results_project.empty()) {
        ChooseEveryResult(Project());
    } else {
        ReadProjectFile(results_project, Project());
    }
    show();
    Project() = sample;
}

void ShowSampleResults(Ui& ui) {
    WithResultsProject([&ui] { ShowResultsScreen(ui, kNoOwner, true); });
}

// The results screen, shown before it, has kept the results the comparison reads.
void ShowSampleComparison(Ui& ui) {
    WithResultsProject([&ui] { ShowComparisonScreen(ui, kNoOwner); });
}

template <void (*Show)(Ui&, std::vector<StudyInput>)>
void ShowWithInputs(Ui& ui) {
    Show(ui, ScreenInputs());
}

// The analysis windows as a user sees them after a run on the typical example: its removal
// against its area over half to twice the present area, the spread of its results with the
// area uniform and the depth triangular about their values, the area that removes 80 % of TSS,
// its TP outflow against the area beside P-k-C*'s, and its TP over the example record's water
// years against a limit of 0.1 mg/L.
template <void (*Show)(Ui&)>
void ShowWithTypicalExample(Ui& ui) {
    const ProjectRecord sample = Project();
    ReadProjectFile(ProgramFile("examples/typical.inp").string(), Project());
    Show(ui);
    Project() = sample;
}

// The Calibrate window after the fit of the BOD rate and its temperature factor of the
// conventional example to the example's year of BOD samples.
void ShowCalibrationExample(Ui& ui) {
    const ProjectRecord sample = Project();
    ReadProjectFile(ProgramFile("examples/conventional.inp").string(), Project());
    ShowCalibrateWindow(ui, ScreenInputs());
    Project() = sample;
}

int InputItem(const std::string& name) {
    const std::vector<StudyInput> inputs = ScreenInputs();
    const auto found =
        std::find_if(inputs.begin(), inputs.end(), [&](const StudyInput& i) { return i.name == name; });
    return static_cast<int>(found - inputs.begin());
}

int AreaItem() {
    return InputItem("area");
}

// The input of that record name made uncertain, with the distribution of that radio button
// about its present value.
void AddUncertainInput(QtDialog& d, const std::string& name, int kind) {
    d.ChooseItem(kUncertaintyInputs, InputItem(name));
    d.Send({DialogEvent::ItemChanged, kUncertaintyInputs, InputItem(name)});
    d.SetChecked(kind, true);
    d.Send({DialogEvent::Clicked, kind});
    d.Send({DialogEvent::Clicked, kUncertaintyAdd});
}

void AddFittedField(QtDialog& d, const std::string& name, const std::string& low, const std::string& high) {
    d.SetText(kCalibrateSearch, name);
    d.Send({DialogEvent::TextEdited, kCalibrateSearch});
    d.ChooseItem(kCalibrateInputs, 0);
    d.Send({DialogEvent::ItemChanged, kCalibrateInputs, 0});
    d.SetText(kCalibrateLow, low);
    d.SetText(kCalibrateHigh, high);
    d.Send({DialogEvent::Clicked, kCalibrateAdd});
}

void RunSampleStudy(QtDialog& d) {
    if (d.TemplateNumber() == kSweepWindow) {
        d.ChooseItem(kSweepFirstList, AreaItem());
        d.Send({DialogEvent::ItemChanged, kSweepFirstList, AreaItem()});
        d.Send({DialogEvent::Clicked, kSweepRun});
    }
    if (d.TemplateNumber() == kSizeWindow) {
        d.ChooseItem(kSizeResults, 0);
        d.SetText(kSizeTarget, "80");
        d.ChooseItem(kSizeInputs, AreaItem());
        d.Send({DialogEvent::ItemChanged, kSizeInputs, AreaItem()});
        d.Send({DialogEvent::Clicked, kSizeRun});
    }
    if (d.TemplateNumber() == kUncertaintyWindow) {
        AddUncertainInput(d, "area", kUncertaintyUniform);
        AddUncertainInput(d, "depth", kUncertaintyTriangular);
        d.SetText(kUncertaintyTarget, "70");
        d.Send({DialogEvent::Clicked, kUncertaintyRun});
    }
    if (d.TemplateNumber() == kCompareWindow) {
        d.SetText(kCompareTarget, "0.1");
        d.Send({DialogEvent::Clicked, kCompareRun});
    }
    if (d.TemplateNumber() == kSeriesWindow) {
        d.SetText(kSeriesRecord, ProgramFile("examples/series/record.csv").string());
        d.SetText(kSeriesYearStart, "10");
        d.ChooseItem(kSeriesConstituents, 1);
        d.Send({DialogEvent::ItemChanged, kSeriesConstituents, 1});
        d.SetText(kSeriesLimit, "0.1");
        d.Send({DialogEvent::Clicked, kSeriesRun});
    }
    if (d.TemplateNumber() == kCalibrateWindow) {
        d.SetText(kCalibrateObserved, ProgramFile("examples/calibration/observed.csv").string());
        AddFittedField(d, "bod_decay_rate20", "", "");
        AddFittedField(d, "theta_bod", "1", "1.2");
        d.Send({DialogEvent::Clicked, kCalibrateRun});
    }
}

// Hand-laid templates whose windows the shell fills with their real texts; the others show the
// template as it stands. The results screen and the comparison show a run's results when the current
// directory holds a Results.txt (run `velmar PROJECT` there first): those of PROJECT when it is named, else
// every row, as the largest screen looks.
const std::map<int, std::function<void(Ui&)>> kOpeners = {
    {kResultsDialog, ShowSampleResults},
    {kComparisonDialog, ShowSampleComparison},
    {kAboutDialog, [](Ui& ui) { ShowAbout(ui, kNoOwner); }},
    {kDetailedInformationDialog, [](Ui& ui) { ShowDetailedInformation(ui, kNoOwner); }},
    {kHelpTextDialog,
     [](Ui& ui) { ShowHelpText(ui, kNoOwner, "Total Coliform Bacteria (TCB) Data Entry Help", "tcb.txt"); }},
    {kDisclaimerDialog, [](Ui& ui) { ShowDisclaimer(ui); }},
    {kSweepWindow, ShowWithTypicalExample<ShowWithInputs<ShowSweepWindow>>},
    {kSizeWindow, ShowWithTypicalExample<ShowWithInputs<ShowSizeWindow>>},
    {kUncertaintyWindow, ShowWithTypicalExample<ShowWithInputs<ShowUncertaintyWindow>>},
    {kCompareWindow, ShowWithTypicalExample<ShowCompareWindow>},
    {kSeriesWindow, ShowWithTypicalExample<ShowSeriesWindow>},
    {kCalibrateWindow, ShowCalibrationExample},
};

// The project the data-entry screens show: the defaults, with volume, depth and width
// chosen as the known dimensions.
void SampleProject() {
    ClearProject();
    ProjectRecord& r = Project();
    r.checked_Volume = r.checked_Volume_temp = r.checked_Depth = r.checked_Depth_temp = 1;
    r.checked_Width = r.checked_Width_temp = 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: velmarui_screenshots OUTDIR [PROGRAM_FOLDER [PROJECT]]\n");
        return 2;
    }
    if (argc >= 3) SetProgramFolder(argv[2]);
    if (argc == 4) results_project = argv[3];
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    SampleProject();
    QtUi ui;
    ui.OnDialogOpened([&out](QtDialog& d) {
        RunSampleStudy(d);
        Save(*d.window(), out.filePath(QString("dialog-%1.png").arg(d.TemplateNumber())));
        d.End(0);
    });
    for (const DialogTemplate* dialog : AllTemplates()) {
        auto opener = kOpeners.find(dialog->number);
        const bool without_results =
            (dialog->number == kResultsDialog || dialog->number == kComparisonDialog) &&
            !QFile::exists(kResultsFileName);
        if (opener != kOpeners.end() && !without_results) {
            opener->second(ui);
        } else {
            ui.ShowModal(kNoOwner, *dialog, [](Dialog&, const DialogEvent&) {});
        }
    }
    // The data-entry screens, filled from the sample project as a user would see them.
    for (const DataScreen* screen : AllScreens()) ShowScreen(ui, kNoOwner, *screen);

    MainWindow window(VelmarMainWindow(ui, {0, 0}));
    Save(window, out.filePath("main-window.png"));
    return 0;
}
