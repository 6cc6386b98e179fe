// Fits against observations made by plain engine runs at known values, P-k-C* rate constants
// worked by hand in closed form, Student's t against its closed forms, and bad input by message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "project/csv_text.h"
#include "project/pkc.h"
#include "project/project_file.h"
#include "project/units.h"
#include "study/distributions.h"
#include "study/fields.h"
#include "tests/study/study_runner.h"

namespace velmar {
namespace {

using testing::Example;
using testing::ReadCsv;
using testing::ReadText;
using testing::RunStudy;
using testing::SavedWith;
using testing::TempDir;
using testing::WriteText;

constexpr double kBod = 0.3, kTheta = 1.06;  // the values the observations are made at
const double kFlows[] = {0.2, 0.35, 0.5, 0.8, 1.1, 1.6};

const double kTemperatures[] = {8, 15, 24};

// The conventional example at a BOD rate at 20 Deg. C and its temperature factor.
void AtRates(ProjectRecord& r, double bod, double theta) {
    study::SetInput(r, study::FindInputField("bod_decay_rate20"), bod);
    study::SetInput(r, study::FindInputField("theta_bod"), theta);
}

// Observations from plain runs (every digit) at each flow and a temperature, each outflow times e^(noise z)
// for a normal z drawn by Box and Muller from a fixed seed; with noise, rows enough for two threads.
std::string Observed(const TempDir& dir, double noise) {
    std::mt19937_64 random(20261208);
    const auto uniform = [&] { return (static_cast<double>(random() >> 11) + 0.5) / 9007199254740992.0; };
    std::string csv = "date,flow [L/s],temperature [F],BODoutConc,TSSoutConc\n";
    int day = 1;
    for (const double flow : kFlows) {
        for (int repeat = 0; repeat < (noise > 0 ? 6 : 1); ++repeat, ++day) {
            const double temperature = kTemperatures[day % 3];
            const std::string project = SavedWith(dir, "conventional.inp", "run.inp", [&](ProjectRecord& r) {
                AtRates(r, kBod, kTheta);
                // As entered on the screens: the detention time follows the flow.
                study::SetInput(r, study::FindInputField("flow"), flow);
                study::SetInput(r, study::FindInputField("temperature"), temperature);
            });
            const auto run = ReadCsv(RunStudy("run '" + project + "'").out);
            csv += "2024-0" + std::to_string(1 + day / 28) + "-" + (day % 28 < 9 ? "0" : "") +
                   std::to_string(1 + day % 28) + "," + NumberText(flow * 1000) + "," +
                   NumberText(temperature * 9 / 5 + 32);
            for (const char* name : {"BODoutConc", "TSSoutConc"}) {
                const double z =
                    std::sqrt(-2 * std::log(uniform())) * std::cos(2 * std::numbers::pi * uniform());
                const auto column = std::find(run[0].begin(), run[0].end(), name) - run[0].begin();
                csv += "," +
                       NumberText(std::stod(run[1][static_cast<std::size_t>(column)]) * std::exp(noise * z));
            }
            csv += "\n";
        }
    }
    return csv;
}

// The fitted rows of a calibration's CSV, by field name: estimate, low95, high95.
std::map<std::string, std::vector<double>> Estimates(const std::string& out) {
    std::map<std::string, std::vector<double>> estimates;
    for (const auto& row : ReadCsv(out)) {
        if (row[0] == "field") estimates[row[1]] = {std::stod(row[2]), std::stod(row[4]), std::stod(row[5])};
    }
    return estimates;
}

TEST(Calibration, RecoversTheRatesOfPlainRunsExactlyWithoutNoiseAndWithinItsIntervalsWithIt) {
    for (const double noise : {0.0, 0.05}) {
        TempDir dir;
        WriteText(dir.File("observed.csv"), Observed(dir, noise));
        // One field from the project's own other value, two from elsewhere.
        for (const auto& [fit, start_theta] :
             {std::pair<std::string, double>{"--fit bod_decay_rate20", kTheta},
              {"--fit bod_decay_rate20 --fit theta_bod=1:1.2", 1.02}}) {
            const double theta = start_theta;
            const std::string start = SavedWith(dir, "conventional.inp", "start.inp",
                                                [&](ProjectRecord& r) { AtRates(r, 0.8, theta); });
            const std::string command = "calibrate '" + start + "' '" + dir.File("observed.csv") + "' " + fit;
            const auto outcome = RunStudy(command + " --threads 2");
            ASSERT_EQ(outcome.status, 0) << outcome.err;
            EXPECT_EQ(RunStudy(command + " --threads 1").out, outcome.out) << fit;
            const auto estimates = Estimates(outcome.out);
            for (const auto& [name, known] : {std::pair{"bod_decay_rate20", kBod}, {"theta_bod", kTheta}}) {
                if (!estimates.contains(name)) continue;
                const std::vector<double>& e = estimates.at(name);
                if (noise == 0) {
                    EXPECT_NEAR(e[0], known, 1e-6 * known) << fit;
                } else {
                    EXPECT_LT(e[1], known) << fit << " " << name;
                    EXPECT_GT(e[2], known) << fit << " " << name;
                }
            }
        }
    }
}

// The residuals file holds every observed cell with ln(modelled) - ln(observed), and the saved
// project the estimate as the project file keeps numbers (four significant figures).
TEST(Calibration, ResidualsAndTheSavedProjectCarryTheFit) {
    TempDir dir;
    WriteText(dir.File("observed.csv"),
              "date,flow,BODoutConc,TSSoutConc\n2024-01-01,0.4,15,\n2024-01-02,0.8,20,60\n");
    const auto outcome =
        RunStudy("calibrate '" + Example("conventional.inp") + "' '" + dir.File("observed.csv") +
                 "' --fit bod_decay_rate20 --residuals '" + dir.File("residuals.csv") + "' --save-project '" +
                 dir.File("fitted.inp") + "'");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto residuals = ReadCsv(ReadText(dir.File("residuals.csv")));
    ASSERT_EQ(residuals.size(), 4u);
    const std::vector<std::string> cells[] = {{"2", "2024-01-01", "BODoutConc", "15"},
                                              {"3", "2024-01-02", "BODoutConc", "20"},
                                              {"3", "2024-01-02", "TSSoutConc", "60"}};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& row = residuals[i + 1];
        EXPECT_EQ(std::vector<std::string>(row.begin(), row.begin() + 4), cells[i]);
        EXPECT_NEAR(std::stod(row[5]), std::log(std::stod(row[4]) / std::stod(row[3])), 1e-12);
    }
    ProjectRecord fitted{};
    ASSERT_EQ(ReadProjectFile(dir.File("fitted.inp"), fitted), 0);
    const double estimate = Estimates(outcome.out).at("bod_decay_rate20")[0];
    EXPECT_NEAR(fitted.bod_decay_rate20, estimate, 5e-4 * estimate);
    EXPECT_EQ(fitted.bod_decay_rate20_temp, fitted.bod_decay_rate20);
}

// k from one observation: P q [((Ci - C*)/(Co - C*))^(1/P) - 1], and q ln((Ci - C*)/(Co - C*))
// for plug flow, with q = Q/A of the project and C* of the published table.
TEST(Calibration, PkcRateFromOneObservationIsTheClosedFormInverse) {
    ProjectRecord r{};
    ReadProjectFile(Example("conventional.inp"), r);
    const double q = r.flow * units::kSecondsPerYear / r.area, ci = r.BODinConc, co = 12;
    const double cstar =
        pkc::PublishedConstants(pkc::WetlandType::FreeWaterSurface, pkc::Constituent::Bod, ci)->cstar;
    const double ratio = (ci - cstar) / (co - cstar);
    TempDir dir;
    WriteText(dir.File("observed.csv"), "BODoutConc\n12\n");
    for (const auto& [tanks, k] : {std::pair<std::string, double>{"1", q * (ratio - 1)},
                                   {"3", 3 * q * (std::cbrt(ratio) - 1)},
                                   {"plug", q * std::log(ratio)}}) {
        const auto outcome = RunStudy("calibrate '" + Example("conventional.inp") + "' '" +
                                      dir.File("observed.csv") + "' --pkc BOD --tanks " + tanks);
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_NEAR(Estimates(outcome.out).at("k")[0], k, 1e-8 * k) << tanks;
    }
}

TEST(Calibration, StudentTQuantileMatchesItsClosedForms) {
    const double u = 0.975;
    EXPECT_NEAR(study::StudentTQuantile(u, 1), std::tan(std::numbers::pi * (u - 0.5)), 1e-10);
    EXPECT_NEAR(study::StudentTQuantile(u, 2), (2 * u - 1) / std::sqrt(2 * u * (1 - u)), 1e-10);
    // ν = 4: F(t) = (1 + x (3 - x²) / 2) / 2 with x = t / sqrt(4 + t²).
    const double t4 = study::StudentTQuantile(u, 4), x = t4 / std::sqrt(4 + t4 * t4);
    EXPECT_NEAR((1 + x * (3 - x * x) / 2) / 2, u, 1e-12);
    EXPECT_NEAR(study::StudentTQuantile(u, 100000), study::NormalQuantile(u), 1e-4);
}

TEST(Calibration, BadInputIsRefusedByItsMessage) {
    TempDir dir;
    const std::string project = Example("conventional.inp");
    const struct {
        std::string csv, options, message;
    } cases[] = {
        {"flow,BODoutConc\n0.5,10\n", "--fit TSS_removal_rate=0.1:10",
         "TSS_removal_rate does not change any observed result: it cannot be fitted"},
        // The detention time is rounded to 0.01 day: a depth changes it only in steps.
        {"flow,BODoutConc\n0.5,10\n", "--fit depth",
         "depth changes the observed results only in steps near its start value 0.5, where the search cannot "
         "follow a slope: it cannot be fitted"},
        {"flow,BODoutConc\n0.5,10\n", "--fit bod_decay_rate20=0:-1",
         "--fit bod_decay_rate20=0:-1: LOW must be below HIGH"},
        {"flow,BODoutConc\n,10\n", "--fit bod_decay_rate20", "row 2, column 1 (flow): the cell is empty"},
        {"flow,BODoutConc\n0.5,0\n", "--fit bod_decay_rate20",
         "row 2, column 2 (BODoutConc): 0 has no logarithm: observations must be above 0 in the log scale "
         "(--scale linear takes 0)"},
        {"flow,BODoutConc,TNoutConc\n0.5,10,\n", "--fit bod_decay_rate20",
         "TNoutConc: no row holds an observation"},
        {"flow,RE_BOD\n0.5,10\n", "--fit bod_decay_rate20",
         "row 1, column 2 (RE_BOD): RE_BOD is a result but not an outflow concentration: only outflows can "
         "be "
         "observed"},
        {"flow [furlong/s],BODoutConc\n0.5,10\n", "--fit bod_decay_rate20", "unknown unit 'furlong/s'"},
        {"flo,BODoutConc\n0.5,10\n", "--fit bod_decay_rate20",
         "row 1, column 1 (flo): unknown input field 'flo'; nearest: flow"},
        {"flow,BODoutConc\n0.5,10\n", "--pkc TSS", "--pkc TSS: the design method's constituents are"},
        {"flow,BODoutConc\n0.5,10\n", "--pkc BOD --save-project x.inp",
         "--save-project: a P-k-C* fit gives no value of the project's own fields to save"},
        {"flow,BODoutConc\n0.5,10\n", "--fit bod_decay_rate20 --save-project '" + project + "'",
         "the same file as the input"},
    };
    for (const auto& c : cases) {
        WriteText(dir.File("observed.csv"), c.csv);
        const auto outcome =
            RunStudy("calibrate '" + project + "' '" + dir.File("observed.csv") + "' " + c.options);
        EXPECT_EQ(outcome.status, 1) << c.options;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_TRUE(outcome.out.empty()) << c.options;
    }
    // Notes, not refusals: a constant observation column, and an estimate held on its bound.
    WriteText(dir.File("observed.csv"), "flow,BODoutConc\n0.4,10\n0.6,10\n");
    for (const auto& [fit, note] :
         {std::pair<std::string, std::string>{"bod_decay_rate20",
                                              "BODoutConc: every observation is 10: its Nash-Sutcliffe "
                                              "efficiency is not defined"},
          {"bod_decay_rate20=0.01:0.05",
           "bod_decay_rate20: the estimate lies on its high bound 0.05: the observations would take it "
           "further"}}) {
        const auto outcome =
            RunStudy("calibrate '" + project + "' '" + dir.File("observed.csv") + "' --fit " + fit);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_NE(outcome.err.find(note), std::string::npos) << outcome.err;
    }
}

}  // namespace
}  // namespace velmar
