// A project run over a dated record: each step against plain engine runs, loads and periods
// worked by hand, units against their definitions, and every bad record by its message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "project/csv_text.h"
#include "project/results_layout.h"
#include "study/fields.h"
#include "study/record_table.h"
#include "study/results.h"
#include "tests/study/study_runner.h"

namespace velmar {
namespace {

using testing::Example;
using testing::ReadCsv;
using testing::ReadText;
using testing::RunEngine;
using testing::RunStudy;
using testing::SavedWith;
using testing::TempDir;
using testing::WriteText;

constexpr double kSecondsPerDay = 86400;

// A CSV table with its cells found by column name.
struct Table {
    std::vector<std::vector<std::string>> rows;
    double Number(std::size_t row, const std::string& column) const { return std::stod(Cell(row, column)); }
    const std::string& Cell(std::size_t row, const std::string& column) const {
        const auto at = std::find(rows[0].begin(), rows[0].end(), column);
        EXPECT_NE(at, rows[0].end()) << column;
        return rows[row][static_cast<std::size_t>(at - rows[0].begin())];
    }
    // The summary row of a period and constituent.
    std::size_t Find(const std::string& period, const std::string& constituent) const {
        for (std::size_t i = 1; i < rows.size(); ++i)
            if (rows[i][0] == period && rows[i][1] == constituent) return i;
        ADD_FAILURE() << period << " " << constituent;
        return 0;
    }
};

struct SeriesOutput {
    Table steps, summary;
};

SeriesOutput RunSeries(const std::string& project, const std::string& record,
                       const std::string& options = "") {
    TempDir dir;
    WriteText(dir.File("record.csv"), record);
    const auto outcome = RunStudy("series '" + project + "' '" + dir.File("record.csv") + "' --summary '" +
                                  dir.File("summary.csv") + "' " + options);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    return {{ReadCsv(outcome.out)}, {ReadCsv(ReadText(dir.File("summary.csv")))}};
}

double Relative(double a, double b) {
    return std::abs(a - b) / std::max(std::abs(b), 1e-300);
}

// Every row at the project's own flow and temperature: each step is the plain run, and a
// period's load removal is the removal efficiency.
TEST(SeriesStudy, RowsOfTheProjectsOwnValuesGiveItsRunAndItsRemovalAsTheLoadRemoval) {
    for (const char* example : {"organics_metals.inp", "conventional.inp", "typical.inp"}) {
        ProjectRecord r{};
        ReadProjectFile(Example(example), r);
        std::string record = "date,flow,temperature\n";
        for (const char* date : {"2024-01-30", "2024-01-31", "2024-02-01T12:00"})
            record += std::string(date) + "," + NumberText(r.flow) + "," + NumberText(r.temperature) + "\n";
        const SeriesOutput out = RunSeries(Example(example), record);
        const std::vector<double> engine = RunEngine(Example(example));
        ASSERT_EQ(out.steps.rows.size(), 4u) << example;
        std::size_t constituents = 0;
        for (std::size_t column = 3; column < out.steps.rows[0].size(); column += 2, ++constituents) {
            const std::string efficiency = out.steps.rows[0][column];
            const double re = engine[study::FindResult(efficiency)];
            for (std::size_t step = 1; step <= 3; ++step)
                EXPECT_NEAR(out.steps.Number(step, efficiency), re, 5e-6 * re + 1e-9)
                    << example << efficiency;
            for (const char* period : {"all", "2024", "2024-01", "2024-02"}) {
                const std::size_t row = out.summary.Find(period, out.summary.rows[1 + constituents][1]);
                EXPECT_NEAR(out.summary.Number(row, "load_removal_pct"), re, 5e-6 * re + 1e-9) << period;
                EXPECT_NEAR(out.summary.Number(row, "steady_RE"), re, 5e-6 * re + 1e-9) << period;
            }
        }
        EXPECT_GT(constituents, 0u);
    }
}

// Flows alternating between two values: the loads are the two steady runs' combined by hand.
TEST(SeriesStudy, AlternatingFlowsGiveTheLoadsOfTheTwoSteadyRunsCombined) {
    const std::string project = Example("typical.inp");
    ProjectRecord r{};
    ReadProjectFile(project, r);
    const auto sweep = RunStudy("sweep '" + project + "' --vary flow=0.25:1:2");
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    const Table steady{ReadCsv(sweep.out)};
    const SeriesOutput out = RunSeries(
        project, "date,flow [L/s]\n2024-05-01,250\n2024-05-02,1000\n2024-05-03,250\n2024-05-04,1000\n");
    const double day = kSecondsPerDay;
    for (const auto& [name, inflow] : {std::pair{"TSS", r.TSSinConc}, std::pair{"TP", r.TPinConc}}) {
        const std::string re = std::string("RE_") + name;
        const double out_low = inflow * (1 - steady.Number(1, re) / 100);
        const double out_high = inflow * (1 - steady.Number(2, re) / 100);
        const double inflow_load = 2 * (0.25 + 1) * day * inflow / 1000;  // g to kg
        const double outflow_load = 2 * (0.25 * out_low + 1 * out_high) * day / 1000;
        const std::size_t row = out.summary.Find("all", name);
        EXPECT_EQ(out.summary.Cell(row, "steps"), "4");
        EXPECT_EQ(out.summary.Cell(row, "load_unit"), "kg");
        EXPECT_LT(Relative(out.summary.Number(row, "inflow_volume_m3"), 2.5 * day), 1e-12);
        EXPECT_LT(Relative(out.summary.Number(row, "inflow_load"), inflow_load), 1e-12) << name;
        EXPECT_LT(Relative(out.summary.Number(row, "outflow_load"), outflow_load), 1e-9) << name;
        EXPECT_LT(
            Relative(out.summary.Number(row, "load_removal_pct"), 100 * (1 - outflow_load / inflow_load)),
            1e-9)
            << name;
        EXPECT_LT(Relative(out.summary.Number(row, "fwm_outflow"), (0.25 * out_low + out_high) / 1.25), 1e-9);
        EXPECT_EQ(out.steps.Cell(2, "flow"), "1");
        EXPECT_LT(Relative(out.steps.Number(1, std::string(name) + "outConc"), out_low), 1e-12);
    }
}

// Uneven steps over the start of a water year: durations, periods and duration-weighted
// percentiles worked by hand from the steps' outflows.
TEST(SeriesStudy, PeriodsWaterYearsDurationsAndWeightedPercentiles) {
    const SeriesOutput out = RunSeries(Example("typical.inp"),
                                       "date,flow,TSSinConc\n"
                                       "\n"
                                       "2023-09-30,1,80\n"
                                       "2023-10-01,1,10\n"
                                       "2023-10-03T12:00,1,40\n"
                                       "2023-11-01,1,20\n",
                                       "--year-start 10 --limit TSSoutConc=5");
    const std::vector<double> days = {1, 2.5, 28.5, 28.5};  // the last lasts as long as the one before
    std::vector<double> outflows;
    for (std::size_t step = 1; step <= 4; ++step) outflows.push_back(out.steps.Number(step, "TSSoutConc"));
    const auto weighted_percentile = [&](std::vector<std::size_t> steps, double p) {
        std::sort(steps.begin(), steps.end(), [&](auto a, auto b) { return outflows[a] < outflows[b]; });
        double total = 0, below = 0;
        for (std::size_t s : steps) total += days[s];
        for (std::size_t s : steps) {
            below += days[s];
            if (below >= p * total) return outflows[s];
        }
        return outflows[steps.back()];
    };
    struct Period {
        const char* name;
        std::vector<std::size_t> steps;
    };
    const Period kPeriods[] = {{"all", {0, 1, 2, 3}}, {"2023", {0}},       {"2024", {1, 2, 3}},
                               {"2023-09", {0}},      {"2023-10", {1, 2}}, {"2023-11", {3}}};
    ASSERT_EQ(out.summary.rows.size(), 1 + 6 * 2u);  // TSS and TP in each period
    for (const Period& period : kPeriods) {
        const std::size_t row = out.summary.Find(period.name, "TSS");
        double volume = 0, inflow = 0, outflow = 0;
        std::size_t above = 0;
        for (std::size_t s : period.steps) {
            volume += days[s] * kSecondsPerDay;
            inflow += days[s] * kSecondsPerDay * out.steps.Number(s + 1, "TSSinConc");
            outflow += days[s] * kSecondsPerDay * outflows[s];
            above += outflows[s] > 5;
        }
        EXPECT_EQ(out.summary.Cell(row, "steps"), std::to_string(period.steps.size())) << period.name;
        EXPECT_LT(Relative(out.summary.Number(row, "inflow_volume_m3"), volume), 1e-12) << period.name;
        EXPECT_LT(Relative(out.summary.Number(row, "inflow_load"), inflow / 1000), 1e-12) << period.name;
        EXPECT_LT(Relative(out.summary.Number(row, "fwm_outflow"), outflow / volume), 1e-12) << period.name;
        EXPECT_EQ(out.summary.Cell(row, "limit"), "5");
        EXPECT_EQ(out.summary.Cell(row, "steps_above_limit"), std::to_string(above)) << period.name;
        for (const auto& [column, p] :
             {std::pair{"outflow_p50", 0.5}, {"outflow_p90", 0.9}, {"outflow_p95", 0.95}})
            EXPECT_EQ(out.summary.Number(row, column), weighted_percentile(period.steps, p))
                << period.name << " " << column;
        EXPECT_EQ(out.summary.Number(row, "outflow_max"), weighted_percentile(period.steps, 1))
            << period.name;
        EXPECT_EQ(out.summary.Cell(out.summary.Find(period.name, "TP"), "limit"), "");
    }
}

// Each unit of a column against its definition.
TEST(SeriesRecord, UnitsConvertByTheirDefinitions) {
    const double foot = 0.3048, gallon = 3.785411784e-3, acre = 4046.8564224;  // in m, m3, m2
    const struct {
        const char* field;
        const char* unit;
        double value, expected;
    } kUnits[] = {
        {"flow", "", 2, 2},
        {"flow", "m3/s", 2, 2},
        {"flow", "m3/d", 86400, 1},
        {"flow", "L/s", 1000, 1},
        {"flow", "cfs", 1, foot * foot * foot},
        {"flow", "MGD", 1, 1e6 * gallon / 86400},
        {"flow", "mgd", 1, 1e6 * gallon / 86400},
        {"flow", "acre-ft/d", 1, acre * foot / 86400},
        {"temperature", "C", 20, 20},
        {"temperature", "F", 212, 100},
        {"temperature", "F", -40, -40},
        {"temperature", "F", 50, 10},
        {"TPinConc", "mg/L", 0.5, 0.5},
        {"TPinConc", "ug/L", 50, 0.05},
        {"ContamInConc2", "ug/L", 1, 0.001},
        {"TCBinConc", "MPN/100mL", 3000, 3000},
        {"depth", "ft", 3, 3 * foot},
        {"length", "m", 3, 3},
        {"area", "ha", 2, 20000},
        {"area", "acre", 1, acre},
        {"area", "m2", 5, 5},
    };
    for (const auto& u : kUnits) {
        const study::UnitConversion c = study::FieldUnit(study::FindInputField(u.field), u.unit, "here");
        EXPECT_LT(std::abs(c.ToField(u.value) - u.expected), 1e-15 * std::abs(u.expected) + 1e-14)
            << u.field << " [" << u.unit << "]";
    }
}

// Each bad record by its message, with nothing written.
TEST(SeriesRecord, EachBadRecordIsRefusedNamingItsRowAndColumn) {
    const struct {
        const char* record;
        const char* message;
    } kBad[] = {
        {"date,flwo\n2024-01-01,1\n2024-01-02,1\n",
         "row 1, column 2 (flwo): unknown input field 'flwo'; nearest: flow, Fpw, Fdw"},
        {"date,flow [gpm]\n2024-01-01,1\n2024-01-02,1\n",
         "row 1, column 2 (flow): unknown unit 'gpm'; flow takes m3/s, m3/d, L/s, cfs, MGD, acre-ft/d"},
        {"date,Ktn [1/d]\n2024-01-01,1\n2024-01-02,1\n",
         "row 1, column 2 (Ktn): unknown unit '1/d'; Ktn is read in the project's own unit, with none given"},
        {"date,flow,flow\n2024-01-01,1,1\n2024-01-02,1,1\n",
         "row 1, column 3 (flow): the field is also column 2"},
        {"day,flow\n2024-01-01,1\n2024-01-02,1\n",
         "row 1, column 1 (day): the first column must be the date, headed 'date'"},
        {"date,flow\n2024-01-01,\n2024-01-02,1\n", "row 2, column 2 (flow): the cell is empty"},
        {"date,flow\n2024-01-01,1\n2024-01-02,1e\n", "row 3, column 2 (flow): '1e' is not a number"},
        {"date,flow\n2024-02-30,1\n2024-03-02,1\n",
         "row 2, column 1 (date): '2024-02-30' is not a date of the form 2024-03-01 or 2024-03-01T06:00"},
        {"date,flow\n2024-01-01T24:00,1\n2024-03-02,1\n",
         "row 2, column 1 (date): '2024-01-01T24:00' is not a date of the form 2024-03-01 or "
         "2024-03-01T06:00"},
        {"date,flow\n2024-01-02,1\n\n2024-01-01T23:00,1\n",
         "row 4, column 1 (date): 2024-01-01T23:00 does not follow 2024-01-02 on the row before: dates must "
         "increase"},
        {"date,flow\n2024-01-01,1\n2024-01-02,0\n",
         "row 3, column 2 (flow): the flow must be greater than 0"},
        {"date,flow [cfs]\n2024-01-01,-1\n2024-01-02,1\n",
         "row 2, column 2 (flow): the flow must be greater than 0"},
        {"date,TSSinConc\n2024-01-01,-1\n2024-01-02,1\n",
         "row 2, column 2 (TSSinConc): TSSinConc cannot be below 0"},
        {"date,flow\n2024-01-01,1,2\n2024-01-02,1\n", "row 2: 3 cells where the header has 2 columns"},
        {"date,flow\n2024-01-01,\"1\n", "row 2: a quoted cell is not closed"},
        {"date,flow\n2024-01-01,1\n",
         "the record has fewer than two rows: a step lasts until the next row's date, so it takes two"},
        {"", "row 1: the record is empty: no header row"},
    };
    TempDir dir;
    for (const auto& bad : kBad) {
        WriteText(dir.File("r.csv"), bad.record);
        const auto outcome = RunStudy("series '" + Example("typical.inp") + "' '" + dir.File("r.csv") +
                                      "' -o '" + dir.File("out.csv") + "'");
        EXPECT_EQ(outcome.status, 1) << bad.record;
        EXPECT_EQ(outcome.err, "velmar-study: " + dir.File("r.csv") + ": " + bad.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.csv"))) << bad.record;
    }
}

}  // namespace
}  // namespace velmar
