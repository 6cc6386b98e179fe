// The four studies on the example projects, checked against plain engine runs on projects
// saved with the same values, and against results known in closed form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <tuple>

#include "project/csv_text.h"
#include "project/system_formulas.h"
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

constexpr std::size_t kResults = 95;

// The results file keeps six significant digits.
void ExpectSameResults(const std::vector<std::string>& row, std::size_t first,
                       const std::vector<double>& engine) {
    ASSERT_EQ(engine.size(), kResults);
    ASSERT_EQ(row.size(), first + kResults);
    for (std::size_t i = 0; i < kResults; ++i) {
        const double study = std::stod(row[first + i]);
        EXPECT_NEAR(study, engine[i], std::abs(engine[i]) * 5e-6 + 1e-12) << "result " << i + 1;
    }
}

TEST(RunStudy, GivesEachExampleTheEngineResultsAndGoesOnPastAnUnreadableProject) {
    const std::vector<std::string> examples = {"typical.inp", "conventional.inp", "tp_new_wetland.inp",
                                               "organics_half_life.inp", "organics_metals.inp"};
    std::string arguments = "run --threads 2";
    for (const std::string& e : examples) arguments += " '" + Example(e) + "'";
    arguments += " missing.inp";
    const auto outcome = RunStudy(arguments);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "velmar-study: missing.inp: No such file or directory\n");
    const auto rows = ReadCsv(outcome.out);
    ASSERT_EQ(rows.size(), examples.size() + 1);
    EXPECT_EQ(rows[0][0], "file");
    EXPECT_EQ(rows[0][7], "TSS_removal_rate");
    EXPECT_EQ(rows[0][15], "RE_TN");
    for (std::size_t i = 0; i < examples.size(); ++i) {
        EXPECT_EQ(rows[i + 1][0], Example(examples[i]));
        ExpectSameResults(rows[i + 1], 7, RunEngine(Example(examples[i])));
    }
    EXPECT_EQ(rows[5][1], "Dieldrin");
    EXPECT_EQ(rows[5][6], "Zinc");
}

TEST(RunStudy, JsonToAFileAndTableForPeople) {
    TempDir dir;
    const auto json =
        RunStudy("run --format json -o '" + dir.File("t.json") + "' '" + Example("typical.inp") + "'");
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, "");
    const auto rows = nlohmann::json::parse(ReadText(dir.File("t.json")));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_NEAR(rows[0]["RE_TSS"].get<double>(), 68.65138191173948, 1e-9);
    EXPECT_EQ(rows[0]["HMName1"], "Chromium");

    const auto table = RunStudy("run --format table '" + Example("typical.inp") + "'");
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.out, Example("typical.inp") +
                             "\n"
                             "Constituent  Removal rate     RE  Outflow\n"
                             "                   (/day)    (%)   (mg/L)\n"
                             "TSS                     1  68.65    18.81\n"
                             "TP                0.04218  4.775   0.1809\n\n");
}

TEST(SweepStudy, EachPointIsTheEngineRunOfTheProjectSavedWithThatValue) {
    const auto outcome = RunStudy("sweep '" + Example("typical.inp") + "' --vary Vs=0.25:1:4");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto rows = ReadCsv(outcome.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0][0], "Vs");
    TempDir dir;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double vs = std::stod(rows[i][0]);
        EXPECT_DOUBLE_EQ(vs, 0.25 * static_cast<double>(i));
        const std::string saved =
            SavedWith(dir, "typical.inp", "p.inp", [vs](ProjectRecord& r) { r.Vs = r.Vs_temp = vs; });
        ExpectSameResults(rows[i], 1, RunEngine(saved));
    }
}

// The typical wetland keeps its plan area of 10 ha: 1 m deep it holds 100 000 m^3, which
// 0.5 m^3/s passes through in 2.31 days, at 1 cm/s through its 50 m width.
TEST(SweepStudy, VaryingTheDepthRecomputesWhatTheSystemScreensDerive) {
    const auto outcome =
        RunStudy("sweep '" + Example("typical.inp") + "' --vary depth=0.5:1:2 --vary Vs=0.5:1:3");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto rows = ReadCsv(outcome.out);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0][0], "depth");
    EXPECT_EQ(rows[0][1], "Vs");
    const std::vector<std::pair<std::string, std::string>> kPoints = {
        {"0.5", "0.5"}, {"0.5", "0.75"}, {"0.5", "1"}, {"1", "0.5"}, {"1", "0.75"}, {"1", "1"}};
    for (std::size_t i = 0; i < kPoints.size(); ++i) {
        EXPECT_EQ(rows[i + 1][0], kPoints[i].first);
        EXPECT_EQ(rows[i + 1][1], kPoints[i].second);
    }
    TempDir dir;
    const std::string saved = SavedWith(dir, "typical.inp", "deep.inp", [](ProjectRecord& r) {
        r.depth = r.depth_temp = 1;
        r.volume = r.volume_temp = 100000;
        r.detention_time = r.detention_time_temp = 2.31;
        r.HydResidenceTime = 2.31;
        r.mean_velocity = r.mean_velocity_temp = 0.01;
        r.mean_vel_cms = r.mean_vel_cms_temp = 1;
    });
    ExpectSameResults(rows[4], 2, RunEngine(saved));
}

// Fully mixed, TN by denitrification: 80 % needs k t = 4, so a detention time, and with it
// a volume and an area at the project's depth of 0.5 m, some forty times the project's.
TEST(SizeStudy, FindsTheAreaThatAnEngineRunConfirms) {
    const auto outcome = RunStudy("size '" + Example("conventional.inp") + "' --target RE_TN=80 --vary area");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto rows = ReadCsv(outcome.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"area", "RE_TN"}));
    const double area = std::stod(rows[1][0]);
    EXPECT_GE(std::stod(rows[1][1]), 80);
    EXPECT_NEAR(std::stod(rows[1][1]), 80, 0.01);

    TempDir dir;
    const std::string saved = SavedWith(dir, "conventional.inp", "sized.inp", [area](ProjectRecord& r) {
        r.area = r.area_temp = area;
        r.volume = r.volume_temp = area * 0.5;
        r.detention_time = r.detention_time_temp = RoundToDecimals(area * 0.5 / 0.5 / 86400, 2);
    });
    EXPECT_NEAR(RunEngine(saved)[8], 80, 0.01);
}

// In plug flow RE = (1 - e^(-k t)) 100 rises with k, so its percentiles are those of the
// rate: with k20 lognormal, k20 at percentile p is gm * gsd^z(p).
TEST(UncertaintyStudy, PercentilesOfAFirstOrderRemovalWithALognormalRate) {
    TempDir dir;
    ProjectRecord project{};
    const std::string saved = SavedWith(dir, "conventional.inp", "plug.inp", [&project](ProjectRecord& r) {
        r.mixed_clac_re = 0;
        r.longitudinal_calc_re = 1;
        project = r;
    });
    const auto outcome =
        RunStudy("uncertainty '" + saved + "' --dist 'tcb_decay_rate20=lognormal(0.8,2)' --lhs -n 20000");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto rows = ReadCsv(outcome.out);
    ASSERT_EQ(rows[0],
              (std::vector<std::string>{"result", "n", "mean", "sd", "p5", "p25", "p50", "p75", "p95"}));
    const double correction = std::pow(project.theta_tcb, project.temperature - 20);
    const double z[] = {-1.6448536269514722, -0.6744897501960817, 0, 0.6744897501960817, 1.6448536269514722};
    for (const auto& row : rows) {
        if (row[0] == "RE_TCB") {
            for (int i = 0; i < 5; ++i) {
                const double k = 0.8 * std::pow(2.0, z[i]) * correction;
                const double re = (1 - std::exp(-k * project.detention_time)) * 100;
                EXPECT_NEAR(std::stod(row[4 + i]), re, re * 1e-3) << row[3 + i + 1];
            }
        }
        if (row[0] == "tcb_decay_rate") {
            const double sigma = std::log(2.0);
            const double mean = 0.8 * correction * std::exp(sigma * sigma / 2);
            EXPECT_EQ(row[1], "20000");
            EXPECT_NEAR(std::stod(row[2]), mean, mean * 2e-3);
            EXPECT_NEAR(std::stod(row[3]), mean * std::sqrt(std::exp(sigma * sigma) - 1), mean * 0.02);
        }
    }
}

TEST(UncertaintyStudy, TheSameSeedGivesTheSameStudyOnAnyNumberOfThreads) {
    TempDir dir;
    const std::string common = "uncertainty '" + Example("typical.inp") +
                               "' --dist 'Vs=triangular(0.2,0.5,1)' --dist 'depth=uniform(0.4,0.6)' -n 3000";
    const std::string samples = dir.File("samples.csv");
    for (const char* sampling : {"", " --lhs"}) {
        std::string first_out, first_samples;
        for (int threads : {1, 2, 3}) {
            const auto outcome = RunStudy(common + sampling + " --seed 7 --threads " +
                                          std::to_string(threads) + " --samples '" + samples + "'");
            ASSERT_EQ(outcome.status, 0) << outcome.err;
            if (threads == 1) {
                first_out = outcome.out;
                first_samples = ReadText(samples);
                EXPECT_EQ(ReadCsv(first_samples).size(), 3001u);
            } else {
                EXPECT_EQ(outcome.out, first_out) << sampling << threads << " threads";
                EXPECT_EQ(ReadText(samples), first_samples) << sampling << threads << " threads";
            }
        }
        EXPECT_NE(RunStudy(common + sampling + " --seed 8").out, first_out) << sampling;
    }
}

// Twenty samples, counted one by one from the samples file: an efficiency meets its target
// at or above it, an outflow at or below, and the chances follow the statistics after an
// empty line, the statistics' rows unchanged.
TEST(UncertaintyStudy, TheChanceOfMeetingATargetIsTheShareOfSamplesThatMeetIt) {
    TempDir dir;
    const std::string samples = dir.File("samples.csv");
    const std::string common =
        "uncertainty '" + Example("typical.inp") + "' --dist 'Vs=uniform(0.05,1)' -n 20 --seed 3";
    ASSERT_EQ(RunStudy(common + " --samples '" + samples + "'").status, 0);
    const auto sample_rows = ReadCsv(ReadText(samples));
    const auto column = [&sample_rows](const std::string& name) {
        const auto& header = sample_rows[0];
        const auto at = std::find(header.begin(), header.end(), name) - header.begin();
        std::vector<double> values;
        for (std::size_t i = 1; i < sample_rows.size(); ++i) values.push_back(std::stod(sample_rows[i][at]));
        return values;
    };
    const std::vector<double> re = column("RE_TSS"), out = column("TSSoutConc");
    ASSERT_EQ(re.size(), 20u);
    // The targets: the eighth smallest value of each.
    std::vector<std::string> texts;
    std::size_t expected[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        std::vector<double> sorted = k == 0 ? re : out;
        std::sort(sorted.begin(), sorted.end());
        const double target = sorted[7];
        for (double x : k == 0 ? re : out) expected[k] += k == 0 ? x >= target : x <= target;
        texts.push_back((k == 0 ? "RE_TSS=" : "TSSoutConc=") + NumberText(target));
    }
    const auto plain = RunStudy(common);
    const auto outcome = RunStudy(common + " --target " + texts[0] + " --target " + texts[1]);
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto blank = outcome.out.find("\n\n");
    ASSERT_NE(blank, std::string::npos);
    EXPECT_EQ(outcome.out.substr(0, blank + 1), plain.out);
    const auto rows = ReadCsv(outcome.out.substr(blank + 2));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"target", "met", "n", "share", "low95", "high95"}));
    EXPECT_EQ(rows[1][0], "RE_TSS>=" + texts[0].substr(7));
    EXPECT_EQ(rows[2][0], "TSSoutConc<=" + texts[1].substr(11));
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(std::stoul(rows[1 + k][1]), expected[k]) << texts[k];
        EXPECT_EQ(rows[1 + k][2], "20");
        EXPECT_DOUBLE_EQ(std::stod(rows[1 + k][3]), static_cast<double>(expected[k]) / 20);
        EXPECT_LT(std::stod(rows[1 + k][4]), std::stod(rows[1 + k][3]));
        EXPECT_GT(std::stod(rows[1 + k][5]), std::stod(rows[1 + k][3]));
    }
    EXPECT_EQ(RunStudy(common + " --target RE_TSS=50 --target RE_TSS=60").status, 1);
    EXPECT_EQ(RunStudy(common + " --target TSS_removal_rate=1").status, 1);
}

// The typical wetland does not model nitrogen: its nitrogen rate changes nothing, which each
// study says by name and still runs; its depth changes the results and goes unremarked.
TEST(Studies, AnInputThatChangesNoResultIsNamedAndTheStudyRuns) {
    const std::string typical = "'" + Example("typical.inp") + "'";
    const std::string note = "velmar-study: Ktn changes no modelled result of this project\n";
    const struct {
        std::string arguments;
        bool noted;
        int status;  // the size cannot be found by a rate that changes nothing
    } cases[] = {
        {"sweep " + typical + " --vary Ktn=0.1:0.5:3", true, 0},
        {"uncertainty " + typical + " --dist 'Ktn=uniform(0.1,0.5)' -n 5", true, 0},
        {"size " + typical + " --target RE_TSS=80 --vary Ktn", true, 1},
        {"sweep " + typical + " --vary depth=0.3:0.9:3", false, 0},
    };
    for (const auto& c : cases) {
        const auto outcome = RunStudy(c.arguments);
        EXPECT_EQ(outcome.err.find(note) == 0, c.noted) << c.arguments << "\n" << outcome.err;
        EXPECT_EQ(outcome.status, c.status) << c.arguments;
    }
}

// Near a settling velocity of 2 the established wetland's phosphorus solution does not
// always converge, and the engine reports a removal efficiency of -999. Such a run gives no
// TP results: none is averaged, written as a number or searched.
TEST(Studies, APhosphorusSolutionThatDidNotConvergeGivesNoTpResults) {
    const std::string typical = "'" + Example("typical.inp") + "'";
    const auto sweep = RunStudy("sweep " + typical + " --vary Vs=1.9:2.1:5 --vary depth=0.4:0.47:2");
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    EXPECT_EQ(
        sweep.err,
        "velmar-study: the phosphorus solution did not converge at 2 of 10 points; their TP results are "
        "given as nan\n");
    const auto rows = ReadCsv(sweep.out);
    const auto column = [&rows](const std::string& name) {
        return std::find(rows[0].begin(), rows[0].end(), name) - rows[0].begin();
    };
    int unsolved = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const bool nan = rows[i][column("RE_TP")] == "nan";
        unsolved += nan;
        for (const char* tp : {"tp_removal_rate", "TPoutConc", "KtpH", "C", "Y[5]", "f_dp"})
            EXPECT_EQ(rows[i][column(tp)] == "nan", nan) << tp << " at point " << i;
        EXPECT_NE(rows[i][column("RE_TSS")], "nan");
    }
    EXPECT_EQ(unsolved, 2);

    const auto uncertainty = RunStudy(
        "uncertainty " + typical + " --dist 'Vs=uniform(1.9,2.1)' --dist 'depth=uniform(0.4,0.47)' -n 2000");
    ASSERT_EQ(uncertainty.status, 0) << uncertainty.err;
    const std::string note = "velmar-study: the phosphorus solution did not converge in ";
    ASSERT_EQ(uncertainty.err.rfind(note, 0), 0u) << uncertainty.err;
    const int left_out = std::stoi(uncertainty.err.substr(note.size()));
    EXPECT_GT(left_out, 0);
    for (const auto& row : ReadCsv(uncertainty.out)) {
        if (row[0] == "RE_TP" || row[0] == "TPoutConc") {
            EXPECT_EQ(std::stoi(row[1]), 2000 - left_out) << row[0];
        }
        if (row[0] == "RE_TP") {
            EXPECT_GT(std::stod(row[4]), 0);  // the 5th percentile
        }
    }

    const auto size = RunStudy("size " + typical + " --target RE_TP=50 --vary Vs --range 1.9:2.1");
    EXPECT_EQ(size.status, 1);
    EXPECT_NE(size.err.find("the model gave no value of RE_TP at 3 of the 33 values tried"),
              std::string::npos)
        << size.err;
}

// Inputs at the ends of what a double holds: the grid's points stay finite, and results that are
// no value (not a number, a removal above 100 %, a negative outflow, an input the field cannot
// take) are given as nan or left out, each kind counted and named.
TEST(Studies, ResultsThatAreNoValueAreNamedAndNeverWritten) {
    const std::string conventional = "'" + Example("conventional.inp") + "'";
    struct Case {
        std::string arguments;
        std::vector<double> inputs;  // of the sweep's points
        std::string err;
    };
    const Case kCases[] = {
        {"sweep " + conventional + " --vary temperature=-1e308:1e308:3",
         {-1e308, 0, 1e308},
         "velmar-study: results not a number or infinite at 1 of 3 points (tcb_decay_rate, bod_decay_rate, "
         "tn_decay_rate, RE_TCB, RE_BOD, RE_TN, TCBoutConc, BODoutConc and 1 more); they are given as nan\n"},
        {"sweep " + conventional + " --log --vary depth=1e-308:1e308:3",
         {1e-308, 1, 1e308},
         "velmar-study: results beyond the engine's numerical limits, a removal efficiency above 100 % or a "
         "negative concentration, at 1 of 3 points (RE_TCB, RE_BOD, RE_TN, TCBoutConc, BODoutConc, "
         "TNoutConc); "
         "they are given as nan\n"},
        {"sweep " + conventional + " --vary area=1e11:1e12:2",
         {1e11, 1e12},
         "velmar-study: results beyond the engine's numerical limits, a removal efficiency above 100 % or a "
         "negative concentration, at 1 of 2 points (RE_TSS, RE_TCB, RE_BOD, RE_TN, TSSoutConc, TCBoutConc, "
         "BODoutConc, TNoutConc); they are given as nan\n"},
        {"uncertainty " + conventional + " --dist 'depth=normal(0.1,0.1)' -n 100",
         {},
         "velmar-study: inputs drawn that their fields cannot take (below 0 for a quantity with a sign, or "
         "past "
         "the largest number) in 16 of 100 samples, which were not run; they are left out of the "
         "statistics\n"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.arguments);
        const auto outcome = RunStudy(c.arguments);
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.err, c.err);
        const auto rows = ReadCsv(outcome.out);
        const auto column = [&rows](const std::string& name) {
            return std::find(rows[0].begin(), rows[0].end(), name) - rows[0].begin();
        };
        if (c.inputs.empty()) {  // statistics: RE_TSS's n counts the 84 samples run
            const auto re_tss =
                std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row[0] == "RE_TSS"; });
            ASSERT_NE(re_tss, rows.end());
            EXPECT_EQ((*re_tss)[1], "84");
            continue;
        }
        ASSERT_EQ(rows.size(), 1 + c.inputs.size());
        for (std::size_t i = 0; i < c.inputs.size(); ++i) {
            EXPECT_EQ(std::strtod(rows[1 + i][0].c_str(), nullptr), c.inputs[i]);  // may be subnormal
            // A removal of at most 100 % and an outflow of at least 0, or none.
            for (const auto& [result, low, high] :
                 {std::tuple{"RE_TN", 0.0, 100.0}, {"TNoutConc", 0.0, 12.0}}) {
                const std::string cell = rows[1 + i][column(result)];
                const double x = std::strtod(cell.c_str(), nullptr);
                EXPECT_TRUE(cell == "nan" || (x >= low && x <= high)) << result << " " << cell;
            }
        }
    }
}

}  // namespace
}  // namespace velmar
