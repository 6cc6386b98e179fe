// velmar-study series: a project run over a dated record, a row of results per step and a
// summary of loads per period.
#include <string>

#include "study/command_support.h"
#include "study/commands.h"
#include "study/output_target.h"
#include "study/series.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

// The summary's columns shown to people, with their headings.
struct ShownColumn {
    const char* heading;
    std::size_t column;  // in SeriesSummaryColumns
};
constexpr ShownColumn kShownColumns[] = {
    {"Period", 0},         {"Constituent", 1},  {"Steps", 2},       {"Unit", 4},
    {"Inflow load", 5},    {"Outflow load", 6}, {"Removed (%)", 8}, {"FWM in", 9},
    {"FWM out", 10},       {"Out p50", 11},     {"Out p90", 12},    {"Out max", 14},
    {"Steady RE (%)", 15}, {"Steady out", 16},  {"Limit", 17},      {"Steps above", 18},
};

std::string CellText(const Cell& cell) {
    if (const auto* text = std::get_if<std::string>(&cell)) return *text;
    return ShortNumber(std::get<double>(cell));
}

void WriteSeriesSummary(std::ostream& out, const std::string& heading,
                        const std::vector<SeriesSummaryRow>& rows, const std::vector<std::string>& notes) {
    out << heading << "\n\n";
    std::vector<std::vector<std::string>> lines(1);
    for (const ShownColumn& c : kShownColumns) lines[0].emplace_back(c.heading);
    for (const SeriesSummaryRow& row : rows) {
        const std::vector<Cell> cells = SeriesSummaryCells(row);
        lines.emplace_back();
        for (const ShownColumn& c : kShownColumns) lines.back().push_back(CellText(cells[c.column]));
    }
    WriteAligned(out, lines);
    for (const std::string& note : notes) out << "\nNote: " << note << "\n";
}

void WriteSummaryFile(const SeriesOptions& o, const std::vector<SeriesSummaryRow>& rows) {
    OutputTarget target(o.summary);
    std::unique_ptr<RowWriter> writer = MakeRowWriter(o.format == Format::Json ? Format::Json : Format::Csv,
                                                      target.Open(), SeriesSummaryColumns());
    for (const SeriesSummaryRow& row : rows) writer->Row(SeriesSummaryCells(row));
    writer->Finish();
    target.Close();
}

}  // namespace

int Series(const SeriesOptions& o) {
    const RecordSource source = [&o] { return OpenRecordFile(o.record); };
    SeriesRecord record = CheckSeriesRecord(source, o.record);
    const Study study(o.project, record.fields);
    const SeriesPlan plan = PlanSeries(std::move(record), study.base(), o.year_start, o.limits);
    const std::size_t steps = plan.record.steps;
    const bool table = o.format == Format::Table;

    OutputTarget target(o.output);
    std::unique_ptr<RowWriter> writer;
    if (!table) writer = MakeRowWriter(o.format, target.Open(), SeriesStepColumns(plan));
    SeriesSummary summary(study, plan);
    const auto consume = [&](SeriesBlock&& block) {
        summary.Add(block);
        if (!writer) return;
        for (std::size_t i = 0; i < block.dates.size(); ++i) writer->Row(SeriesStepCells(plan, block, i));
    };
    Progress progress("series", steps, o.watch);
    const std::size_t done = RunSeries(study, plan, source, o.threads, progress, consume);
    if (writer) writer->Finish();
    const std::vector<SeriesSummaryRow> rows = summary.Finish();
    const std::vector<std::string> notes = summary.Notes(done);
    if (table) {
        WriteSeriesSummary(target.Open(),
                           "Quasi-steady loads of " + o.project + " over " + o.record +
                               " (each step steady at its row's inputs: no storage, no lag between inflow "
                               "and outflow)",
                           rows, notes);
    }
    target.Close();
    if (!o.summary.empty()) WriteSummaryFile(o, rows);
    NoteAll(o, notes);
    return EndStatus(o, done, steps, "steps", 0);
}

}  // namespace velmar::study
