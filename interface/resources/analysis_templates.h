// Control ids of the analysis windows.
#pragma once

namespace velmar {

enum AnalysisControl : int {
    // The Sweep window: an input to vary (its search field, list, range and steps), a second
    // input for a family of curves, what to chart, the chart and the run's progress.
    kSweepFirstGroup = 4001,
    kSweepFirstSearch = 4002,
    kSweepFirstList = 4003,
    kSweepFirstFrom = 4004,
    kSweepFirstTo = 4005,
    kSweepFirstSteps = 4006,
    kSweepSecondGroup = 4010,
    kSweepFamily = 4011,  // check box: a second input
    kSweepSecondSearch = 4012,
    kSweepSecondList = 4013,
    kSweepSecondFrom = 4014,
    kSweepSecondTo = 4015,
    kSweepSecondSteps = 4016,
    kSweepChartGroup = 4021,
    kSweepEfficiency = 4022,
    kSweepOutflow = 4023,
    kSweepLog = 4024,
    kSweepConstituents = 4025,
    kSweepChart = 4031,
    kSweepProgress = 4032,
    kSweepRun = 4041,
    kSweepStop = 4042,
    kSweepSaveChart = 4043,
    kSweepExportCsv = 4044,
    kSweepCopyCommand = 4045,
    kSweepHelp = 4046,

    // The Size window: a result and its target, the input to vary and where to search, the
    // answer, and the curve of the result against the input.
    kSizeResultGroup = 4101,
    kSizeResults = 4102,
    kSizeTarget = 4103,
    kSizeInputGroup = 4111,
    kSizeSearch = 4112,
    kSizeInputs = 4113,
    kSizeFrom = 4114,
    kSizeTo = 4115,
    kSizeAnswer = 4121,
    kSizeChart = 4131,
    kSizeProgress = 4132,
    kSizeRun = 4141,
    kSizeStop = 4142,
    kSizeSaveChart = 4143,
    kSizeExportCsv = 4144,
    kSizeCopyCommand = 4145,
    kSizeHelp = 4146,
    kSizeApply = 4147,  // writes the value found into the project

    // The Uncertainty window: an input with its distribution, the inputs added, the sampling,
    // the result whose histogram is drawn, the statistics, and the histogram.
    kUncertaintyInputGroup = 4201,
    kUncertaintySearch = 4202,
    kUncertaintyInputs = 4203,
    kUncertaintyUniform = 4204,  // the kinds of distribution: radio buttons in kDistributionChoices' order
    kUncertaintyTriangular = 4205,
    kUncertaintyNormal = 4206,
    kUncertaintyLognormal = 4207,
    kUncertaintyFirstParameterLabel = 4211,
    kUncertaintyFirstParameter = 4214,
    kUncertaintyAdd = 4217,
    kUncertaintyAddedGroup = 4221,
    kUncertaintyAdded = 4222,
    kUncertaintyRemove = 4223,
    kUncertaintySamplingGroup = 4231,
    kUncertaintySamples = 4232,
    kUncertaintySeed = 4233,
    kUncertaintyLatinHypercube = 4234,
    kUncertaintyResultGroup = 4239,
    kUncertaintyResults = 4240,
    kUncertaintySummary = 4241,
    kUncertaintyTarget = 4242,  // a level the charted result is to meet
    kUncertaintyChance = 4244,  // the share of samples that meet it
    kUncertaintyChart = 4251,
    kUncertaintyProgress = 4252,
    kUncertaintyRun = 4261,
    kUncertaintyStop = 4262,
    kUncertaintySaveChart = 4263,
    kUncertaintyExportCsv = 4264,
    kUncertaintyCopyCommand = 4265,
    kUncertaintyHelp = 4266,
};

enum CompareControl : int {
    // The Compare with P-k-C* window: the areas to compare over, the wetland type, the
    // constituent charted, the notes and caveat, the chart and the run's progress.
    kCompareAreaGroup = 4301,
    kCompareFrom = 4303,
    kCompareTo = 4305,
    kCompareSteps = 4307,
    kCompareTypeGroup = 4311,
    kCompareFreeWaterSurface = 4312,
    kCompareSubsurface = 4313,
    kCompareChartGroup = 4321,
    kCompareConstituents = 4323,
    kCompareNotes = 4325,
    kCompareTarget = 4327,  // an outflow for the constituent charted: the area each method needs
    kCompareChart = 4331,
    kCompareProgress = 4332,
    kCompareRun = 4341,
    kCompareStop = 4342,
    kCompareSaveChart = 4343,
    kCompareExportCsv = 4344,
    kCompareCopyCommand = 4345,
    kCompareHelp = 4346,
};

enum SeriesControl : int {
    // The Time Series window: the record and its years, the constituent charted and its outflow
    // limit, which chart, the summary by period, the chart and the run's progress.
    kSeriesRecordGroup = 4401,
    kSeriesRecord = 4403,  // the record file chosen, shown
    kSeriesBrowse = 4404,
    kSeriesYearStart = 4406,
    kSeriesNote = 4407,  // each step is run steady
    kSeriesChartGroup = 4411,
    kSeriesConstituents = 4413,
    kSeriesLimit = 4415,
    kSeriesOverTime = 4416,  // concentrations and flow against the date
    kSeriesDuration = 4417,  // the outflow duration curve
    kSeriesSummaryGroup = 4421,
    kSeriesSummary = 4422,
    kSeriesChart = 4431,
    kSeriesProgress = 4432,
    kSeriesRun = 4441,
    kSeriesStop = 4442,
    kSeriesSaveChart = 4443,
    kSeriesExportCsv = 4444,
    kSeriesCopyCommand = 4445,
    kSeriesHelp = 4446,
};

enum CalibrateControl : int {
    // The Calibrate window: the observations and what to fit, a field to fit with its bounds,
    // the fields chosen, what to chart, the estimates and statistics, the chart and the run's
    // progress.
    kCalibrateObservedGroup = 4501,
    kCalibrateObserved = 4503,  // the observations file chosen, shown
    kCalibrateBrowse = 4504,
    kCalibrateMethods = 4506,           // the fields of the list, or a P-k-C* fit
    kCalibrateLog = 4507,               // residuals of logarithms
    kCalibrateLinear = 4508,            // residuals of the values
    kCalibrateFreeWaterSurface = 4509,  // P-k-C*: the wetland type whose constants to use
    kCalibrateSubsurface = 4510,
    kCalibrateTanks = 4512,
    kCalibrateInputGroup = 4521,
    kCalibrateSearch = 4523,
    kCalibrateInputs = 4524,
    kCalibrateLow = 4526,
    kCalibrateHigh = 4528,
    kCalibrateAdd = 4529,
    kCalibrateFittedGroup = 4531,
    kCalibrateFitted = 4532,
    kCalibrateRemove = 4533,
    kCalibrateResultGroup = 4541,
    kCalibrateObservedAgainstModelled = 4542,
    kCalibrateResiduals = 4543,
    kCalibrateResults = 4545,  // the observed result charted
    kCalibrateAgainst = 4547,  // the condition the residuals are drawn against
    kCalibrateSummary = 4548,
    kCalibrateChart = 4551,
    kCalibrateProgress = 4552,
    kCalibrateRun = 4561,
    kCalibrateStop = 4562,
    kCalibrateSaveChart = 4563,
    kCalibrateExportCsv = 4564,
    kCalibrateCopyCommand = 4565,
    kCalibrateHelp = 4566,
    kCalibrateApply = 4567,  // writes the estimates into the project
};

// The chart, the progress bar and the strip of buttons every analysis window ends with.
struct StudyStrip {
    int chart, progress, run, stop, save_chart, export_csv, copy_command, help;
};
inline constexpr StudyStrip kSweepStrip = {kSweepChart,     kSweepProgress,  kSweepRun,         kSweepStop,
                                           kSweepSaveChart, kSweepExportCsv, kSweepCopyCommand, kSweepHelp};
inline constexpr StudyStrip kSizeStrip = {kSizeChart,     kSizeProgress,  kSizeRun,         kSizeStop,
                                          kSizeSaveChart, kSizeExportCsv, kSizeCopyCommand, kSizeHelp};
inline constexpr StudyStrip kUncertaintyStrip = {
    kUncertaintyChart,     kUncertaintyProgress,  kUncertaintyRun,         kUncertaintyStop,
    kUncertaintySaveChart, kUncertaintyExportCsv, kUncertaintyCopyCommand, kUncertaintyHelp};

// The distribution's parameters: a label and a field each, the third for triangular only.
inline constexpr int kUncertaintyParameterCount = 3;

inline constexpr StudyStrip kCompareStrip = {kCompareChart,       kCompareProgress,  kCompareRun,
                                             kCompareStop,        kCompareSaveChart, kCompareExportCsv,
                                             kCompareCopyCommand, kCompareHelp};

inline constexpr StudyStrip kSeriesStrip = {kSeriesChart,       kSeriesProgress,  kSeriesRun,
                                            kSeriesStop,        kSeriesSaveChart, kSeriesExportCsv,
                                            kSeriesCopyCommand, kSeriesHelp};

inline constexpr StudyStrip kCalibrateStrip = {
    kCalibrateChart,     kCalibrateProgress,  kCalibrateRun,         kCalibrateStop,
    kCalibrateSaveChart, kCalibrateExportCsv, kCalibrateCopyCommand, kCalibrateHelp};

// The controls of an input to vary: its search field, list and range (steps 0: none).
struct SweepInputControls {
    int search, list, from, to, steps;
};
inline constexpr SweepInputControls kSweepInputs[] = {
    {kSweepFirstSearch, kSweepFirstList, kSweepFirstFrom, kSweepFirstTo, kSweepFirstSteps},
    {kSweepSecondSearch, kSweepSecondList, kSweepSecondFrom, kSweepSecondTo, kSweepSecondSteps},
};

}  // namespace velmar
