// velmar-study: studies on the wetland model, run in process on the engine.
//   velmar-study run FILES...
//   velmar-study sweep PROJECT --vary FIELD=FROM:TO:STEPS [--vary ...] [--log]
//   velmar-study uncertainty PROJECT --dist FIELD=KIND(parameters)... -n N [--seed S] [--lhs]
//                            [--target RESULT=VALUE]...
//   velmar-study size PROJECT --target RESULT=VALUE --vary FIELD [--range A:B]
//   velmar-study compare PROJECT... [--type fws|hssf] [--k NAME=V] [--cstar NAME=V] [--tanks NAME=V]
//                        [--theta NAME=V] [--target NAME=OUTFLOW]
//   velmar-study compare PROJECT --areas FROM:TO:STEPS [--log] [--type ...] [--k ...] ...
#include <CLI/CLI.hpp>
#include <map>
#include <thread>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/interrupt.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

// What a varied flow or dimension brings, whichever dimensions the project was entered with.
constexpr const char* kDimensionsThatFollow =
    "; the system screens' derived values follow a changed flow or dimension: an area keeps the depth and "
    "the length-to-width ratio (volume, length and width follow), a depth keeps the plan (volume "
    "follows), a volume keeps the depth and the project's chosen length or width (area and the other "
    "follow), a length or width keeps the plan area (the other follows)";

void AddCommonOptions(CLI::App& command, CommonOptions& o) {
    static const std::map<std::string, Format> kFormats = {
        {"csv", Format::Csv}, {"json", Format::Json}, {"table", Format::Table}};
    command.add_option("--format", o.format, "csv (the default), json, or table: a summary for people")
        ->transform(CLI::CheckedTransformer(kFormats));
    command.add_option("-o,--output", o.output, "write to this file instead of standard output");
    command.add_option("--threads", o.threads, "threads to run on (default: all cores)")
        ->check(CLI::Range(1, 4096));
}

}  // namespace
}  // namespace velmar::study

int main(int argc, char** argv) {
    using namespace velmar::study;
    CLI::App app{
        "Studies on the wetland removal model: many projects, sweeps, uncertainty, sizing and the "
        "P-k-C* comparison.",
        "velmar-study"};
    app.require_subcommand(1);
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

    RunOptions run;
    CLI::App* run_command = app.add_subcommand("run", "Run every project; one row of results per project.");
    run_command->add_option("projects", run.projects, "project files (.inp)")->required();

    SweepOptions sweep;
    CLI::App* sweep_command =
        app.add_subcommand("sweep", "Vary one or two input fields over a grid; one row per point.");
    sweep_command->add_option("project", sweep.project, "project file (.inp)")->required();
    sweep_command
        ->add_option("--vary", sweep.vary,
                     std::string("FIELD=FROM:TO:STEPS: STEPS values from FROM to TO; given once or twice. "
                                 "Fields go by their record names (depth, detention_time, Ktn, Kds[1])") +
                         kDimensionsThatFollow)
        ->required();
    sweep_command->add_flag("--log", sweep.log, "space the values geometrically");

    UncertaintyOptions uncertainty;
    CLI::App* uncertainty_command = app.add_subcommand(
        "uncertainty", "Monte Carlo: mean, standard deviation and percentiles of every result.");
    uncertainty_command->add_option("project", uncertainty.project, "project file (.inp)")->required();
    uncertainty_command
        ->add_option("--dist", uncertainty.distributions,
                     std::string("FIELD=KIND(parameters), one per uncertain input: uniform(low,high), "
                                 "triangular(low,mode,high), normal(mean,sd), lognormal(gm,gsd)") +
                         kDimensionsThatFollow)
        ->required();
    uncertainty_command->add_option("-n", uncertainty.samples, "number of samples")->required();
    uncertainty_command->add_option("--seed", uncertainty.seed, "random seed (default 1)");
    uncertainty_command->add_flag("--lhs", uncertainty.latin_hypercube, "Latin hypercube sampling");
    uncertainty_command->add_option("--samples", uncertainty.samples_file,
                                    "also write every sample's inputs and results to this file");
    uncertainty_command->add_option(
        "--target", uncertainty.targets,
        "RESULT=VALUE, repeatable: also the share of samples that meet it (an outflow at or below, a "
        "removal efficiency at or above) with its 95 % Wilson score interval, e.g. TPoutConc=0.1");

    SizeOptions size;
    CLI::App* size_command =
        app.add_subcommand("size", "Find the value of one input at which a result reaches a target.");
    size_command->add_option("project", size.project, "project file (.inp)")->required();
    size_command->add_option("--target", size.target, "RESULT=VALUE, e.g. RE_TN=80")->required();
    size_command
        ->add_option("--vary", size.vary,
                     std::string("the input field to size, e.g. area") + kDimensionsThatFollow)
        ->required();
    size_command->add_option(
        "--range", size.range,
        "A:B, the values to search (default: a hundredth to a hundred times the project's)");

    CompareOptions compare;
    CLI::App* compare_command = app.add_subcommand(
        "compare",
        "The P-k-C* design method beside the model; one row per project and constituent, or with "
        "--areas one per constituent and area.");
    compare_command->add_option("projects", compare.projects, "project files (.inp)")->required();
    compare_command
        ->add_option("--type", compare.type,
                     "fws (free water surface, the default) or hssf (horizontal subsurface flow): "
                     "whose published constants to use")
        ->transform(CLI::CheckedTransformer(WetlandTypesByName()));
    compare_command->add_option("--k", compare.k,
                                "NAME=V: rate constant k (m/yr) in place of the table's k50; "
                                "NAME is BOD, TN, TP or TCB");
    compare_command->add_option("--cstar", compare.cstar,
                                "NAME=V: background concentration C*, in the constituent's units");
    compare_command->add_option("--tanks", compare.tanks, "NAME=V: apparent number of tanks in series P");
    compare_command->add_option(
        "--theta", compare.theta,
        "NAME=V: temperature factor; k becomes k theta^(T-20) at the project's temperature");
    compare_command->add_option(
        "--target", compare.targets,
        "NAME=OUTFLOW: also the area each method needs to bring the outflow down to it (the model's "
        "with the depth and length-to-width ratio kept)");
    compare_command->add_option(
        "--areas", compare.areas,
        "FROM:TO:STEPS: instead, the outflows over STEPS areas (m^2) from FROM to TO, one row per "
        "constituent and area: the model's with plug flow and fully mixed (the depth and "
        "length-to-width ratio kept, the volume, length, width and detention time following), and P-k-C*'s "
        "at k, k30 and k70; of one project");
    compare_command->add_flag("--log", compare.log, "space the areas of --areas geometrically");
    // One value to each, so that the project files after them are not taken for more.
    for (const char* name : {"--k", "--cstar", "--tanks", "--theta", "--target", "--areas"})
        compare_command->get_option(name)->allow_extra_args(false);

    for (auto [command, options] : {std::pair<CLI::App*, CommonOptions*>{run_command, &run},
                                    {sweep_command, &sweep},
                                    {uncertainty_command, &uncertainty},
                                    {size_command, &size},
                                    {compare_command, &compare}}) {
        options->threads = cores;
        AddCommonOptions(*command, *options);
    }

    CLI11_PARSE(app, argc, argv);
    CatchInterrupt();
    try {
        if (*run_command) return RunProjects(run);
        if (*sweep_command) return Sweep(sweep);
        if (*uncertainty_command) return Uncertainty(uncertainty);
        if (*compare_command) return Compare(compare);
        return Size(size);
    } catch (const StudyError& e) {
        Complain(e.what());
        return 1;
    }
}
