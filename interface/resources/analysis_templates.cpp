// Templates of the analysis windows.
#include "interface/resources/analysis_templates.h"

#include <algorithm>
#include <initializer_list>

#include "interface/resources/templates.h"

namespace velmar {
namespace {

// Adds controls at the end. A list of controls by its type: weighed against vector::insert's
// other forms, an entry of three designated members breaks clang 14 on libc++ 14 (the web
// build's).
void Append(DialogTemplate& t, std::initializer_list<Control> controls) {
    t.controls.insert(t.controls.end(), controls);
}

using K = ControlKind;

constexpr int kInputWidth = 22;  // characters of a list of inputs

// One input's group: search field, list, From and To on a line, and Steps below, offered as
// `steps`.
void AddInput(DialogTemplate& t, int group, const SweepInputControls& c, int label_base, int row,
              const char* steps = "") {
    Append(t, {
        {.id = label_base, .kind = K::Label, .text = "Find:", .at = {row, 0, 1, group}},
        {.id = c.search, .kind = K::TextField, .at = {row, 1, 3, group}},
        {.id = c.list, .kind = K::ChoiceList, .at = {row + 1, 0, 4, group}, .width = kInputWidth, .lines = 5,
         .label = group},
        {.id = label_base + 1, .kind = K::Label, .text = "From:", .at = {row + 2, 0, 1, group}},
        {.id = c.from, .kind = K::NumberField, .at = {row + 2, 1, 1, group}, .width = 5},
        {.id = label_base + 2, .kind = K::Label, .text = "To:", .at = {row + 2, 2, 1, group}},
        {.id = c.to, .kind = K::NumberField, .at = {row + 2, 3, 1, group}, .width = 5},
    });
    if (c.steps == 0) return;
    Append(t, {
        {.id = label_base + 3, .kind = K::Label, .text = "Steps:", .at = {row + 3, 0, 1, group}},
        {.id = c.steps, .kind = K::NumberField, .text = steps, .at = {row + 3, 1, 1, group}, .width = 3},
    });
}

// The chart spans the window's three columns, or leaves the last to what goes beside it.
void AddStrip(DialogTemplate& t, const StudyStrip& b, int chart_span = 3) {
    Append(t, {
        {.id = b.chart, .kind = K::Chart, .text = t.caption + " chart", .at = {1, 0, chart_span}, .width = 60,
         .lines = 25},
        {.id = b.progress, .kind = K::Progress, .at = {2, 0, 3}},
        {.id = b.run, .kind = K::DefaultButton, .text = "&Run"},
        {.id = b.stop, .kind = K::PushButton, .text = "Cancel R&un", .flags = kDisabled},
        {.id = b.save_chart, .kind = K::PushButton, .text = "Save C&hart...", .flags = kDisabled},
        {.id = b.export_csv, .kind = K::PushButton, .text = "Export &CSV...", .flags = kDisabled},
        {.id = b.copy_command, .kind = K::PushButton, .text = "Copy Co&mmand"},
        {.id = kCancelId, .kind = K::PushButton, .text = "Close"},
        {.id = b.help, .kind = K::PushButton, .text = "Help"},
    });
}

// Apply to Project, beside the buttons for what was found, before Close.
void AddApply(DialogTemplate& t, int id) {
    const auto close = std::find_if(t.controls.begin(), t.controls.end(),
                                    [](const Control& c) { return c.id == kCancelId; });
    t.controls.insert(close,
                      {.id = id, .kind = K::PushButton, .text = "A&pply to Project", .flags = kDisabled});
}

DialogTemplate SweepTemplate() {
    DialogTemplate t{.number = kSweepWindow, .caption = "Sweep"};
    t.controls.push_back({.id = kSweepFirstGroup, .kind = K::GroupBox, .text = "Input to vary", .at = {0, 0}});
    t.controls.push_back(
        {.id = kSweepSecondGroup, .kind = K::GroupBox, .text = "Family of curves", .at = {0, 1}});
    t.controls.push_back(
        {.id = kSweepChartGroup, .kind = K::GroupBox, .text = "Chart", .at = {0, 2}});
    AddInput(t, kSweepFirstGroup, kSweepInputs[0], 4051, 0, "21");
    t.controls.push_back({.id = kSweepFamily,
                          .kind = K::CheckBox,
                          .text = "One curve per value of a &second input",
                          .at = {0, 0, 4, kSweepSecondGroup}});
    AddInput(t, kSweepSecondGroup, kSweepInputs[1], 4061, 1, "5");  // curves: a few tell apart best
    // The second input is off until its check box is ticked.
    for (Control& c : t.controls) {
        if (c.at.group == kSweepSecondGroup && c.id != kSweepFamily) c.flags |= kDisabled;
    }
    Append(t, {
        {.id = kSweepEfficiency, .kind = K::RadioButton, .text = "Removal &efficiency (%)",
         .at = {0, 0, 1, kSweepChartGroup}},
        {.id = kSweepOutflow, .kind = K::RadioButton, .text = "&Outflow concentration",
         .at = {1, 0, 1, kSweepChartGroup}},
        {.id = kSweepLog, .kind = K::CheckBox, .text = "&Logarithmic steps", .at = {2, 0, 1, kSweepChartGroup}},
        {.id = kSweepConstituents, .kind = K::CheckList, .at = {3, 0, 1, kSweepChartGroup}, .width = 16,
         .lines = 4, .label = kSweepChartGroup},
    });
    AddStrip(t, kSweepStrip);
    return t;
}

DialogTemplate SizeTemplate() {
    DialogTemplate t{.number = kSizeWindow, .caption = "Size"};
    constexpr int kTargetLabel = 4104;
    Append(t, {
        {.id = kSizeResultGroup, .kind = K::GroupBox, .text = "Result and target", .at = {0, 0}},
        {.id = kSizeResults, .kind = K::ChoiceList, .at = {0, 0, 2, kSizeResultGroup}, .width = kInputWidth,
         .lines = 5, .label = kSizeResultGroup},
        {.id = kTargetLabel, .kind = K::Label, .text = "Target:", .at = {1, 0, 1, kSizeResultGroup}},
        {.id = kSizeTarget, .kind = K::NumberField, .at = {1, 1, 1, kSizeResultGroup}, .width = 5},
        {.id = kSizeInputGroup, .kind = K::GroupBox, .text = "Input to vary", .at = {0, 1}},
    });
    AddInput(t, kSizeInputGroup, {kSizeSearch, kSizeInputs, kSizeFrom, kSizeTo, 0}, 4116, 0);
    t.controls.push_back({.id = kSizeAnswer, .kind = K::Label, .at = {0, 2}, .width = 24});
    AddStrip(t, kSizeStrip);
    AddApply(t, kSizeApply);
    return t;
}

// An input and its distribution: the kinds' radio buttons one under another, and beside them
// the kind's parameters, a label and a field each, above the Add button.
void AddDistribution(DialogTemplate& t) {
    constexpr int g = kUncertaintyInputGroup;
    constexpr const char* kKinds[] = {"Un&iform", "&Triangular", "&Normal", "L&ognormal"};
    Append(t, {
        {.id = 4208, .kind = K::Label, .text = "Find:", .at = {0, 0, 1, g}},
        {.id = kUncertaintySearch, .kind = K::TextField, .at = {0, 1, 3, g}},
        {.id = kUncertaintyInputs, .kind = K::ChoiceList, .at = {1, 0, 4, g}, .width = kInputWidth, .lines = 5,
         .label = g},
    });
    for (int k = 0; k < 4; ++k) {
        t.controls.push_back(
            {.id = kUncertaintyUniform + k, .kind = K::RadioButton, .text = kKinds[k], .at = {2 + k, 0, 2, g}});
    }
    for (int p = 0; p < kUncertaintyParameterCount; ++p) {
        t.controls.push_back({.id = kUncertaintyFirstParameterLabel + p, .kind = K::Label, .at = {2 + p, 2, 1, g}});
        t.controls.push_back(
            {.id = kUncertaintyFirstParameter + p, .kind = K::NumberField, .at = {2 + p, 3, 1, g}, .width = 7});
    }
    t.controls.push_back({.id = kUncertaintyAdd, .kind = K::PushButton, .text = "&Add", .at = {5, 2, 2, g}});
}

DialogTemplate UncertaintyTemplate() {
    DialogTemplate t{.number = kUncertaintyWindow, .caption = "Uncertainty"};
    constexpr int kSamplesLabel = 4236, kSeedLabel = 4237, kResultsLabel = 4238, kTargetLabel = 4243;
    constexpr int r = kUncertaintyResultGroup;
    constexpr int g = kUncertaintySamplingGroup;
    t.controls.push_back(
        {.id = kUncertaintyInputGroup, .kind = K::GroupBox, .text = "Uncertain input", .at = {0, 0}});
    AddDistribution(t);
    Append(t, {
        {.id = kUncertaintyAddedGroup, .kind = K::GroupBox, .text = "Uncertain inputs", .at = {0, 1}},
        {.id = kUncertaintyAdded, .kind = K::ChoiceList, .at = {0, 0, 1, kUncertaintyAddedGroup}, .width = 50,
         .lines = 9, .label = kUncertaintyAddedGroup},
        {.id = kUncertaintyRemove, .kind = K::PushButton, .text = "Remo&ve", .at = {1, 0, 1, kUncertaintyAddedGroup}},
        {.id = g, .kind = K::GroupBox, .text = "Sampling", .at = {0, 2}},
        {.id = kSamplesLabel, .kind = K::Label, .text = "Samples:", .at = {0, 0, 1, g}},
        {.id = kUncertaintySamples, .kind = K::NumberField, .text = "10000", .at = {0, 1, 1, g}, .width = 7},
        {.id = kSeedLabel, .kind = K::Label, .text = "Seed:", .at = {1, 0, 1, g}},
        {.id = kUncertaintySeed, .kind = K::NumberField, .text = "1", .at = {1, 1, 1, g}, .width = 7},
        {.id = kUncertaintyLatinHypercube, .kind = K::CheckBox, .text = "&Latin hypercube", .at = {2, 0, 2, g}},
        {.id = r, .kind = K::GroupBox, .text = "Results", .at = {1, 2}},
        {.id = kResultsLabel, .kind = K::Label, .text = "Histogram of:", .at = {0, 0, 2, r}},
        {.id = kUncertaintyResults, .kind = K::ChoiceList, .at = {1, 0, 2, r}, .width = 26, .lines = 4,
         .label = kResultsLabel},
        {.id = kTargetLabel, .kind = K::Label, .text = "Tar&get:", .at = {2, 0, 1, r}},
        {.id = kUncertaintyTarget, .kind = K::NumberField, .at = {2, 1, 1, r}, .width = 7,
         .label = kTargetLabel},
        {.id = kUncertaintyChance, .kind = K::Label, .at = {3, 0, 2, r}, .width = 26},
        {.id = kUncertaintySummary, .kind = K::MultilineText, .at = {4, 0, 2, r}, .width = 26, .lines = 10},
    });
    AddStrip(t, kUncertaintyStrip, 2);
    return t;
}

DialogTemplate CompareTemplate() {
    DialogTemplate t{.number = kCompareWindow, .caption = "Compare with P-k-C*"};
    constexpr int kFromLabel = 4302, kToLabel = 4304, kStepsLabel = 4306, kConstituentLabel = 4322,
                  kTargetLabel = 4326;
    constexpr int kArea = kCompareAreaGroup, kType = kCompareTypeGroup, kChart = kCompareChartGroup;
    Append(t, {
        {.id = kArea, .kind = K::GroupBox, .text = "Wetland areas (m^2)", .at = {0, 0}},
        {.id = kFromLabel, .kind = K::Label, .text = "&From:", .at = {0, 0, 1, kArea}},
        {.id = kCompareFrom, .kind = K::NumberField, .at = {0, 1, 1, kArea}, .width = 8,
         .label = kFromLabel},
        {.id = kToLabel, .kind = K::Label, .text = "&To:", .at = {1, 0, 1, kArea}},
        {.id = kCompareTo, .kind = K::NumberField, .at = {1, 1, 1, kArea}, .width = 8, .label = kToLabel},
        {.id = kStepsLabel, .kind = K::Label, .text = "&Steps:", .at = {2, 0, 1, kArea}},
        {.id = kCompareSteps, .kind = K::NumberField, .text = "41", .at = {2, 1, 1, kArea}, .width = 4,
         .label = kStepsLabel},
        {.id = kType, .kind = K::GroupBox, .text = "Wetland type", .at = {0, 1}},
        {.id = kCompareFreeWaterSurface, .kind = K::RadioButton, .text = "Free &water surface (FWS)",
         .at = {0, 0, 1, kType}},
        {.id = kCompareSubsurface, .kind = K::RadioButton, .text = "Hori&zontal subsurface flow (HSSF)",
         .at = {1, 0, 1, kType}},
        {.id = kChart, .kind = K::GroupBox, .text = "Chart", .at = {0, 2}},
        {.id = kConstituentLabel, .kind = K::Label, .text = "Co&nstituent:", .at = {0, 0, 1, kChart}},
        {.id = kCompareConstituents, .kind = K::ChoiceList, .at = {1, 0, 2, kChart}, .width = 12, .lines = 3,
         .label = kConstituentLabel},
        {.id = kTargetLabel, .kind = K::Label, .text = "Tar&get outflow:", .at = {2, 0, 1, kChart}},
        {.id = kCompareTarget, .kind = K::NumberField, .at = {2, 1, 1, kChart}, .width = 8,
         .label = kTargetLabel},
    });
    AddStrip(t, kCompareStrip);
    // Wide enough for the legend of five lines, a band and the present area; as tall as 768
    // pixels allow.
    for (Control& c : t.controls) {
        if (c.id == kCompareChart) {
            c.width = 160;
            c.lines = 31;
        }
    }
    t.controls.push_back({.id = kCompareNotes, .kind = K::Label, .at = {3, 0, 3}});
    return t;
}

DialogTemplate SeriesTemplate() {
    DialogTemplate t{.number = kSeriesWindow, .caption = "Time Series"};
    constexpr int kRecordLabel = 4402, kYearStartLabel = 4405, kConstituentLabel = 4412, kLimitLabel = 4414;
    constexpr int r = kSeriesRecordGroup, c = kSeriesChartGroup, s = kSeriesSummaryGroup;
    Append(t, {
        {.id = r, .kind = K::GroupBox, .text = "Record", .at = {0, 0}},
        {.id = kRecordLabel, .kind = K::Label, .text = "CSV file:", .at = {0, 0, 1, r}},
        {.id = kSeriesRecord, .kind = K::ReadOnlyField, .at = {0, 1, 2, r}, .width = 16,
         .label = kRecordLabel},
        {.id = kSeriesBrowse, .kind = K::PushButton, .text = "&Browse...", .at = {0, 3, 1, r}},
        {.id = kYearStartLabel, .kind = K::Label, .text = "Year &starts in month:", .at = {1, 0, 2, r}},
        {.id = kSeriesYearStart, .kind = K::NumberField, .text = "1", .at = {1, 2, 1, r}, .width = 3,
         .label = kYearStartLabel},
        {.id = kSeriesNote, .kind = K::Label, .at = {2, 0, 4, r}},
        {.id = c, .kind = K::GroupBox, .text = "Chart", .at = {0, 1}},
        {.id = kConstituentLabel, .kind = K::Label, .text = "Co&nstituent:", .at = {0, 0, 2, c}},
        {.id = kSeriesConstituents, .kind = K::ChoiceList, .at = {1, 0, 2, c}, .width = 10, .lines = 3,
         .label = kConstituentLabel},
        {.id = kSeriesOverTime, .kind = K::RadioButton, .text = "Concentration over &time",
         .at = {2, 0, 2, c}},
        {.id = kSeriesDuration, .kind = K::RadioButton, .text = "Outflow &duration curve",
         .at = {3, 0, 2, c}},
        {.id = kLimitLabel, .kind = K::Label, .text = "&Limit on outflow:", .at = {4, 0, 1, c}},
        {.id = kSeriesLimit, .kind = K::NumberField, .at = {4, 1, 1, c}, .width = 5, .label = kLimitLabel},
        {.id = s, .kind = K::GroupBox, .text = "Summary by year and month", .at = {1, 2}},
        {.id = kSeriesSummary, .kind = K::MultilineText, .at = {0, 0, 1, s}, .flags = kTable, .width = 34,
         .lines = 22, .label = s},
    });
    AddStrip(t, kSeriesStrip, 2);
    // Narrower than the other windows' charts, beside a summary as wide as 1024 pixels allow.
    for (Control& control : t.controls) {
        if (control.id == kSeriesChart) control.width = 52;
    }
    return t;
}

DialogTemplate CalibrateTemplate() {
    DialogTemplate t{.number = kCalibrateWindow, .caption = "Calibrate"};
    constexpr int kFileLabel = 4502, kMethodLabel = 4505, kTanksLabel = 4513, kFindLabel = 4522,
                  kLowLabel = 4525, kHighLabel = 4527, kResultLabel = 4544, kAgainstLabel = 4546;
    constexpr int o = kCalibrateObservedGroup, i = kCalibrateInputGroup, f = kCalibrateFittedGroup,
                  r = kCalibrateResultGroup;
    Append(t, {
        {.id = o, .kind = K::GroupBox, .text = "Observations", .at = {0, 0}},
        {.id = kFileLabel, .kind = K::Label, .text = "CSV file:", .at = {0, 0, 1, o}},
        {.id = kCalibrateObserved, .kind = K::ReadOnlyField, .at = {0, 1, 2, o}, .width = 10,
         .label = kFileLabel},
        {.id = kCalibrateBrowse, .kind = K::PushButton, .text = "&Browse...", .at = {0, 3, 1, o}},
        {.id = kMethodLabel, .kind = K::Label, .text = "&Fit:", .at = {1, 0, 4, o}},
        {.id = kCalibrateMethods, .kind = K::ChoiceList, .at = {2, 0, 4, o}, .width = 18, .lines = 3,
         .label = kMethodLabel},
        {.id = kCalibrateLog, .kind = K::RadioButton, .text = "Lo&g residuals", .at = {3, 0, 2, o}},
        {.id = kCalibrateLinear, .kind = K::RadioButton, .text = "Li&near residuals", .at = {3, 2, 2, o}},
        {.id = kCalibrateFreeWaterSurface, .kind = K::RadioButton, .text = "F&WS", .at = {4, 0, 1, o},
         .radio_set = 1},
        {.id = kCalibrateSubsurface, .kind = K::RadioButton, .text = "H&SSF", .at = {4, 1, 1, o},
         .radio_set = 1},
        {.id = kTanksLabel, .kind = K::Label, .text = "Tan&ks P:", .at = {4, 2, 1, o}},
        {.id = kCalibrateTanks, .kind = K::TextField, .at = {4, 3, 1, o}, .width = 5, .label = kTanksLabel},
        {.id = i, .kind = K::GroupBox, .text = "Add a field to fit", .at = {0, 1}},
        {.id = kFindLabel, .kind = K::Label, .text = "Find:", .at = {0, 0, 1, i}},
        {.id = kCalibrateSearch, .kind = K::TextField, .at = {0, 1, 3, i}, .label = kFindLabel},
        {.id = kCalibrateInputs, .kind = K::ChoiceList, .at = {1, 0, 4, i}, .width = kInputWidth, .lines = 5,
         .label = i},
        {.id = kLowLabel, .kind = K::Label, .text = "&Low:", .at = {2, 0, 1, i}},
        {.id = kCalibrateLow, .kind = K::NumberField, .at = {2, 1, 1, i}, .width = 6, .label = kLowLabel},
        {.id = kHighLabel, .kind = K::Label, .text = "H&igh:", .at = {2, 2, 1, i}},
        {.id = kCalibrateHigh, .kind = K::NumberField, .at = {2, 3, 1, i}, .width = 6, .label = kHighLabel},
        {.id = kCalibrateAdd, .kind = K::PushButton, .text = "&Add", .at = {3, 2, 2, i}},
        {.id = f, .kind = K::GroupBox, .text = "Fields to fit", .at = {0, 2}},
        {.id = kCalibrateFitted, .kind = K::ChoiceList, .at = {0, 0, 1, f}, .width = 28, .lines = 6,
         .label = f},
        {.id = kCalibrateRemove, .kind = K::PushButton, .text = "Remo&ve", .at = {1, 0, 1, f}},
        {.id = r, .kind = K::GroupBox, .text = "Results", .at = {1, 2}},
        {.id = kResultLabel, .kind = K::Label, .text = "R&esult:", .at = {0, 0, 2, r}},
        {.id = kCalibrateResults, .kind = K::ChoiceList, .at = {1, 0, 2, r}, .width = 16, .lines = 2,
         .label = kResultLabel},
        {.id = kCalibrateObservedAgainstModelled, .kind = K::RadioButton,
         .text = "&Observed against modelled", .at = {2, 0, 2, r}},
        {.id = kCalibrateResiduals, .kind = K::RadioButton, .text = "Resi&duals", .at = {3, 0, 1, r}},
        {.id = kAgainstLabel, .kind = K::Label, .text = "agains&t:", .at = {3, 1, 1, r}},
        {.id = kCalibrateAgainst, .kind = K::ChoiceList, .at = {4, 0, 2, r}, .width = 16, .lines = 3,
         .label = kAgainstLabel},
        {.id = kCalibrateSummary, .kind = K::MultilineText, .at = {5, 0, 2, r}, .flags = kTable, .width = 30,
         .lines = 10, .label = r},
    });
    AddStrip(t, kCalibrateStrip, 2);
    // Narrower than the other windows' charts, beside the estimates and statistics.
    for (Control& control : t.controls) {
        if (control.id == kCalibrateChart) control.width = 48;
    }
    AddApply(t, kCalibrateApply);
    return t;
}

}  // namespace

const std::vector<DialogTemplate>& AnalysisTemplates() {
    static const std::vector<DialogTemplate> templates{SweepTemplate(),       SizeTemplate(),
                                                       UncertaintyTemplate(), CompareTemplate(),
                                                       SeriesTemplate(),      CalibrateTemplate()};
    return templates;
}

}  // namespace velmar
