#include "study/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <thread>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/interrupt.h"
#include "study/output_target.h"
#include "study/parse_number.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

// What a varied flow or dimension brings, whichever dimensions the project was entered with.
constexpr const char* kDimensionsThatFollow =
    "; the system screens' derived values follow a changed flow or dimension: an area keeps the depth and "
    "the length-to-width ratio (volume, length and width follow), a depth keeps the plan (volume "
    "follows), a volume keeps the depth and the project's chosen length or width (area and the other "
    "follow), a length or width keeps the plan area (the other follows)";

// The options of every command, and the whole numbers as typed: they are read once the
// parser is done, all alike.
struct Arguments {
    RunOptions run;
    SweepOptions sweep;
    UncertaintyOptions uncertainty;
    SizeOptions size;
    CompareOptions compare;
    SeriesOptions series;
    CalibrateOptions calibrate;
    std::string threads;  // empty: all cores
    std::string samples;
    std::string seed = "1";
};

void AddCommonOptions(CLI::App& command, CommonOptions& o, std::string& threads) {
    static const std::map<std::string, Format> kFormats = {
        {"csv", Format::Csv}, {"json", Format::Json}, {"table", Format::Table}};
    command.add_option("--format", o.format, "csv (the default), json, or table: a summary for people")
        ->transform(CLI::CheckedTransformer(kFormats));
    command.add_option("-o,--output", o.output,
                       "write to this file instead of standard output; an earlier file of that name is "
                       "replaced only once the output is complete");
    command.add_option("--threads", threads, "threads to run on, 1 to 4096 (default: all cores)");
}

void DescribeCalibrate(CLI::App& app, CalibrateOptions& o, std::string& threads) {
    static const std::map<std::string, ResidualScale> kScales = {{"log", ResidualScale::Log},
                                                                 {"linear", ResidualScale::Linear}};
    CLI::App* calibrate = app.add_subcommand(
        "calibrate",
        "Fit input fields (or the P-k-C* k and C*) to observed outflows by least squares (Levenberg-Marquardt); "
        "the estimates with standard errors from the Jacobian at the optimum, 95 % intervals (Student's t), "
        "their correlation, and per observed result n, RMSE, bias and Nash-Sutcliffe efficiency.");
    calibrate->add_option("project", o.project, "project file (.inp): the fit starts from its values")->required();
    calibrate
        ->add_option("observed", o.observed,
                     "CSV: a header row, then a row per sampled condition. Columns headed by input fields "
                     "(flow [cfs], temperature, TPinConc [ug/L], as series takes them) set each row's "
                     "conditions; columns headed by outflow results (TSSoutConc, TPoutConc, ContamOutConc[0], "
                     "in the inflow's units) are the observations, an empty cell meaning not sampled; an "
                     "optional 'date' column is carried into the residuals")
        ->required();
    calibrate->add_option("--fit", o.arguments.fit,
                          "FIELD[=LOW:HIGH], repeatable: a field to fit, the same for every row, between LOW and "
                          "HIGH (default: above 0 for a field with a sign), from the project's value (the "
                          "middle of the bounds when it lies outside them). Bounds are kept by fitting a smooth "
                          "map of the value (logistic between two bounds, logarithm above 0); an estimate within "
                          "1e-4 of the bounds' width of one is said to lie on it");
    calibrate->add_option("--scale", o.arguments.scale, "residuals of log (the default) or linear values")
        ->transform(CLI::CheckedTransformer(kScales));
    calibrate->add_option("--pkc", o.arguments.pkc,
                          "BOD, TN, TP or TCB: instead, fit the P-k-C* rate constant k (m/yr) of its outflow, from "
                          "each row's inflow and hydraulic loading q = Q/A");
    calibrate->add_flag("--fit-cstar", o.arguments.fit_cstar, "with --pkc, fit the background C* too");
    calibrate
        ->add_option("--type", o.arguments.type,
                     "with --pkc: fws (the default) or hssf, whose published P, C* and starting k to use")
        ->transform(CLI::CheckedTransformer(WetlandTypesByName()));
    calibrate->add_option("--tanks", o.arguments.tanks,
                          "with --pkc: the apparent number of tanks in series P, or 'plug' for plug flow");
    calibrate->add_option("--residuals", o.residuals,
                          "also write each observation with its modelled value and residual to this file");
    calibrate->add_option("--save-project", o.save_project,
                          "also write the project with the fitted values to this file (never the input)");
    AddCommonOptions(*calibrate, o, threads);
}

// The program's options and commands, bound to `a`.
void DescribeCommands(CLI::App& app, Arguments& a) {
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 when everything asked for was done; 1 when something could not be (a bad value, "
        "an unreadable project, a target not reached); 2 when the command line is not understood (an "
        "unknown option or command, a missing argument, a choice not offered); 130 when Ctrl-C stopped "
        "the study, after writing out what was done.");

    CLI::App* run = app.add_subcommand("run", "Run every project; one row of results per project.");
    run->add_option("projects", a.run.projects, "project files (.inp)")->required();

    CLI::App* sweep =
        app.add_subcommand("sweep", "Vary one or two input fields over a grid; one row per point.");
    sweep->add_option("project", a.sweep.project, "project file (.inp)")->required();
    sweep
        ->add_option("--vary", a.sweep.vary,
                     std::string("FIELD=FROM:TO:STEPS: STEPS values from FROM to TO; given once or twice. "
                                 "Fields go by their record names (depth, detention_time, Ktn, Kds[1])") +
                         kDimensionsThatFollow)
        ->required();
    sweep->add_flag("--log", a.sweep.log, "space the values geometrically");

    CLI::App* uncertainty = app.add_subcommand(
        "uncertainty", "Monte Carlo: mean, standard deviation and percentiles of every result.");
    uncertainty->add_option("project", a.uncertainty.project, "project file (.inp)")->required();
    uncertainty
        ->add_option("--dist", a.uncertainty.distributions,
                     std::string("FIELD=KIND(parameters), one per uncertain input: uniform(low,high), "
                                 "triangular(low,mode,high), normal(mean,sd), lognormal(gm,gsd)") +
                         kDimensionsThatFollow)
        ->required();
    uncertainty->add_option("-n", a.samples, "number of samples")->required();
    uncertainty->add_option("--seed", a.seed, "random seed, 0 to 18446744073709551615 (default 1)");
    uncertainty->add_flag("--lhs", a.uncertainty.latin_hypercube, "Latin hypercube sampling");
    uncertainty->add_option("--samples", a.uncertainty.samples_file,
                            "also write every sample's inputs and results to this file");
    uncertainty->add_option(
        "--target", a.uncertainty.targets,
        "RESULT=VALUE, repeatable: also the share of samples that meet it (an outflow at or below, a "
        "removal efficiency at or above) with its 95 % Wilson score interval, e.g. TPoutConc=0.1");

    CLI::App* size =
        app.add_subcommand("size", "Find the value of one input at which a result reaches a target.");
    size->add_option("project", a.size.project, "project file (.inp)")->required();
    size->add_option("--target", a.size.target, "RESULT=VALUE, e.g. RE_TN=80")->required();
    size->add_option("--vary", a.size.vary, std::string("the input field to size, e.g. area") + kDimensionsThatFollow)
        ->required();
    size->add_option("--range", a.size.range,
                     "A:B, the values to search (default: a hundredth to a hundred times the project's)");

    CompareOptions& c = a.compare;
    CLI::App* compare = app.add_subcommand(
        "compare",
        "The P-k-C* design method beside the model; one row per project and constituent, or with "
        "--areas one per constituent and area.");
    compare->add_option("projects", c.projects, "project files (.inp)")->required();
    compare
        ->add_option("--type", c.type,
                     "fws (free water surface, the default) or hssf (horizontal subsurface flow): "
                     "whose published constants to use")
        ->transform(CLI::CheckedTransformer(WetlandTypesByName()));
    compare->add_option("--k", c.k,
                        "NAME=V: rate constant k (m/yr) in place of the table's k50; "
                        "NAME is BOD, TN, TP or TCB");
    compare->add_option("--cstar", c.cstar,
                        "NAME=V: background concentration C*, in the constituent's units");
    compare->add_option("--tanks", c.tanks, "NAME=V: apparent number of tanks in series P");
    compare->add_option("--theta", c.theta,
                        "NAME=V: temperature factor; k becomes k theta^(T-20) at the project's temperature");
    compare->add_option("--target", c.targets,
                        "NAME=OUTFLOW: also the area each method needs to bring the outflow down to it (the "
                        "model's with the depth and length-to-width ratio kept)");
    compare->add_option(
        "--areas", c.areas,
        "FROM:TO:STEPS: instead, the outflows over STEPS areas (m^2) from FROM to TO, one row per "
        "constituent and area: the model's with plug flow and fully mixed (the depth and "
        "length-to-width ratio kept, the volume, length, width and detention time following), and "
        "P-k-C*'s at k, k30 and k70; of one project");
    compare->add_flag("--log", c.log, "space the areas of --areas geometrically");
    // One value to each, so that the project files after them are not taken for more.
    for (const char* name : {"--k", "--cstar", "--tanks", "--theta", "--target", "--areas"})
        compare->get_option(name)->allow_extra_args(false);

    SeriesOptions& t = a.series;
    CLI::App* series = app.add_subcommand(
        "series",
        "Run the project over a dated record of flow, temperature and inflow concentrations; one row per "
        "step, and the loads per period. Quasi-steady: each step is the steady answer at its row's inputs, "
        "with no storage and no lag between inflow and outflow.");
    series->add_option("project", t.project, "project file (.inp)")->required();
    series
        ->add_option("record", t.record,
                     "CSV: a header row, then a row per step. The first column is 'date' (2024-03-01 or "
                     "2024-03-01T06:00), each other an input field by its record name (flow, temperature, "
                     "TSSinConc, ContamInConc1), optionally with its unit in brackets: flow [m3/s] (the "
                     "default), [m3/d], [L/s], [cfs], [MGD], [acre-ft/d]; temperature [C], [F]; "
                     "concentrations [mg/L], [ug/L], coliforms [MPN/100mL]; depth, length, width [m], [ft]; "
                     "area [m2], [ha], [acre]. A step lasts until the next row's date, the last as long as "
                     "the one before it")
        ->required();
    series->add_option(
        "--summary", t.summary,
        "also write the summary to this file (CSV, or JSON with --format json): per period (all, "
        "each year, each month) and constituent, the inflow volume, loads (flow x concentration x "
        "duration, in kg or MPN for coliforms), flow-weighted mean concentrations, outflow percentiles "
        "weighted by duration, and the steady run at the period's average conditions; --format table "
        "prints it");
    series->add_option("--year-start", t.year_start,
                       "the month a year begins, 1 to 12 (default 1): a water year is named by the year "
                       "it ends in");
    series->add_option("--limit", t.limits,
                       "RESULT=VALUE, repeatable: an outflow limit by the outflow's results name, e.g. "
                       "TPoutConc=0.1; the summary counts the steps above it");

    DescribeCalibrate(app, a.calibrate, a.threads);
    for (auto [command, options] : {std::pair<CLI::App*, CommonOptions*>{run, &a.run},
                                    {sweep, &a.sweep},
                                    {uncertainty, &a.uncertainty},
                                    {size, &a.size},
                                    {compare, &a.compare},
                                    {series, &a.series}}) {
        AddCommonOptions(*command, *options, a.threads);
    }
}

// An option given an empty text would otherwise pass for one not given at all.
void RefuseEmptyValues(const CLI::App& command) {
    for (const CLI::Option* option : command.get_options()) {
        if (option->get_type_size_max() == 0) continue;  // a flag
        for (const std::string& value : option->results()) {
            if (value.empty()) throw StudyError(option->get_name() + ": the value is empty");
        }
    }
}

// The study the parsed command asks for, its whole numbers read and its outputs checked.
std::function<int()> CheckedStudy(const CLI::App& app, const std::shared_ptr<Arguments>& a) {
    const CLI::App& command = *app.get_subcommands().front();
    RefuseEmptyValues(command);
    const std::string name = command.get_name();
    const int threads = a->threads.empty()
                            ? static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))
                            : static_cast<int>(ParseWholeNumber(a->threads, "--threads", 1, kMostThreads));
    for (CommonOptions* o : std::initializer_list<CommonOptions*>{&a->run, &a->sweep, &a->uncertainty, &a->size,
                                                                  &a->compare, &a->series, &a->calibrate})
        o->threads = threads;

    const auto output = [](const CommonOptions& o) { return NamedFile("-o", o.output); };
    if (name == "run") {
        CheckOutputsApart(a->run.projects, {output(a->run)});
        return [a] { return RunProjects(a->run); };
    }
    if (name == "sweep") {
        CheckOutputsApart({a->sweep.project}, {output(a->sweep)});
        return [a] { return Sweep(a->sweep); };
    }
    if (name == "uncertainty") {
        UncertaintyOptions& u = a->uncertainty;
        u.samples = static_cast<std::int64_t>(
            ParseWholeNumber(a->samples, "-n", 1, std::numeric_limits<std::int64_t>::max()));
        u.seed = ParseWholeNumber(a->seed, "--seed", 0, std::numeric_limits<std::uint64_t>::max());
        CheckOutputsApart({u.project}, {output(u), {"--samples", u.samples_file}});
        return [a] { return Uncertainty(a->uncertainty); };
    }
    if (name == "size") {
        CheckOutputsApart({a->size.project}, {output(a->size)});
        return [a] { return Size(a->size); };
    }
    if (name == "series") {
        const SeriesOptions& t = a->series;
        CheckOutputsApart({t.project, t.record}, {output(t), {"--summary", t.summary}});
        return [a] { return Series(a->series); };
    }
    if (name == "calibrate") {
        const CalibrateOptions& o = a->calibrate;
        CheckOutputsApart({o.project, o.observed},
                          {output(o), {"--residuals", o.residuals}, {"--save-project", o.save_project}});
        return [a] { return Calibrate(a->calibrate); };
    }
    CheckOutputsApart(a->compare.projects, {output(a->compare)});
    return [a] { return Compare(a->compare); };
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                   std::ostream& err) {
    CLI::App app{
        "Studies on the wetland removal model: many projects, sweeps, uncertainty, sizing, the "
        "P-k-C* comparison, runs over a dated record and fits to observations.",
        "velmar-study"};
    const auto a = std::make_shared<Arguments>();
    DescribeCommands(app, *a);
    try {
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return {{}, status == 0 ? 0 : kUsageStatus};
    }
    return {CheckedStudy(app, a), 0};
}

int RunCommandLine(const std::vector<std::string>& arguments) {
    try {
        const ParsedCommandLine parsed = ParseCommandLine(arguments, std::cout, std::cerr);
        if (!parsed.study) return parsed.status;
        CatchInterrupt();
        return parsed.study();
    } catch (const StudyError& e) {
        Complain(e.what());
        return 1;
    }
}

}  // namespace velmar::study
