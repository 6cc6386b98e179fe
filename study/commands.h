// The studies. Each returns the program's exit status: 0 when everything asked for
// was done; 1 when something could not be (a project not read, a target not reached);
// 130 when Ctrl-C stopped it, after writing out what was done. Bad input is thrown as a
// StudyError before anything is written.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "study/calibration.h"
#include "study/compare.h"
#include "study/progress.h"
#include "study/row_writer.h"

namespace velmar::study {

// Exit status of a study stopped by Ctrl-C, as a shell reports a program ended by it.
constexpr int kInterruptedStatus = 130;

// The most threads a study is given.
constexpr int kMostThreads = 4096;

struct CommonOptions {
    Format format = Format::Csv;
    std::string output;  // empty: standard output
    int threads = 1;
    ProgressWatch watch;  // told of the progress, as a window's progress bar is
    // Where the study's notes go (an interruption, results it could not give), to be shown
    // as the caller sees fit; on standard error after the program's name when empty.
    std::function<void(const std::string&)> note;
};

struct RunOptions : CommonOptions {
    std::vector<std::string> projects;
};
int RunProjects(const RunOptions& o);

struct SweepOptions : CommonOptions {
    std::string project;
    std::vector<std::string> vary;  // "FIELD=FROM:TO:STEPS"
    bool log = false;
};
int Sweep(const SweepOptions& o);

struct UncertaintyOptions : CommonOptions {
    std::string project;
    std::vector<std::string> distributions;  // "FIELD=KIND(parameters)"
    std::int64_t samples = 0;
    std::uint64_t seed = 1;
    bool latin_hypercube = false;
    std::string samples_file;          // every sample's inputs and results, when given
    std::vector<std::string> targets;  // "RESULT=VALUE": the chance of meeting each
};
int Uncertainty(const UncertaintyOptions& o);

struct SizeOptions : CommonOptions {
    std::string project;
    std::string target;  // "RESULT=VALUE"
    std::string vary;    // FIELD
    std::string range;   // "A:B", or empty
};
int Size(const SizeOptions& o);

struct SeriesOptions : CommonOptions {
    std::string project;
    std::string record;               // CSV: a date column, then input fields
    std::string summary;              // the summary by period is written here, when given
    std::string year_start = "1";     // the month a year begins, as typed
    std::vector<std::string> limits;  // "RESULT=VALUE" by an outflow's results name
};
int Series(const SeriesOptions& o);

struct CalibrateOptions : CommonOptions {
    std::string project;
    std::string observed;      // CSV: conditions by input field, observed outflows by results name
    CalibrationArguments arguments;
    std::string residuals;     // each observation with its modelled value and residual, when given
    std::string save_project;  // the project with the fitted values, when given
};
int Calibrate(const CalibrateOptions& o);

struct CompareOptions : CommonOptions, CompareArguments {
    std::vector<std::string> projects;
    std::string areas;  // "FROM:TO:STEPS": the outflows over these areas of one project, or empty
    bool log = false;   // the areas spaced geometrically
};
int Compare(const CompareOptions& o);

}  // namespace velmar::study
