// velmar-study sweep: one or two inputs over a grid, a row of results per point.
#include <string>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/input_effects.h"
#include "study/output_target.h"
#include "study/summary_table.h"
#include "study/sweep.h"

namespace velmar::study {
namespace {

std::string PointHeading(const Study& study, std::span<const double> point) {
    std::string heading;
    for (std::size_t i = 0; i < point.size(); ++i) {
        heading += (i ? ", " : "") + study.inputs().fields()[i].name + " = " + NumberText(point[i]);
    }
    return heading;
}

// The first and last value of each input.
std::vector<std::vector<double>> EndsOf(const SweepGrid& grid) {
    std::vector<std::vector<double>> ends;
    for (const GridRange& axis : grid.axes) ends.push_back({axis.from, axis.to});
    return ends;
}

}  // namespace

int Sweep(const SweepOptions& o) {
    SweepGrid grid = ParseSweepGrid(o.vary, o.log);
    const Study study(o.project, grid.fields);
    NoteInputsWithoutEffect(o, study, EndsOf(grid));
    const std::size_t points = grid.Points();
    const std::size_t dimensions = grid.fields.size();
    const bool table = o.format == Format::Table;

    OutputTarget target(o.output);
    std::ostream& out = target.Open();
    std::vector<std::string> leading;
    for (const InputField& f : study.inputs().fields()) leading.push_back(f.name);
    std::unique_ptr<RowWriter> writer;
    if (!table) writer = MakeRowWriter(o.format, out, WithResultColumns(leading));
    FlawTally flaws;
    const auto consume = [&](SweepBlock&& block) {
        flaws.Merge(block.flaws);
        for (std::size_t i = 0; i < block.results.size(); ++i) {
            const std::span<const double> values(block.values.data() + i * dimensions, dimensions);
            if (table) {
                WriteRunSummary(out, PointHeading(study, values), *block.states[i], block.results[i]);
                continue;
            }
            std::vector<Cell> row(values.begin(), values.end());
            AppendResults(row, block.results[i]);
            writer->Row(row);
        }
    };
    Progress progress("sweep", points, o.watch);
    const std::size_t done = RunSweep(study, grid, o.threads, table, progress, consume);
    if (writer) writer->Finish();
    target.Close();
    NoteAll(o, SweepNotes(flaws, done));
    return EndStatus(o, done, points, "points", 0);
}

}  // namespace velmar::study
