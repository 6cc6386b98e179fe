// velmar-study compare --areas on conventional.inp: the design method's outflows worked by
// hand from the published constants at areas other than the project's, the model's at the
// project's own area taken from plain engine runs with each flow regime.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tests/study/study_runner.h"

namespace velmar {
namespace {

using testing::Example;
using testing::ReadCsv;
using testing::RunEngine;
using testing::RunStudy;
using testing::SavedWith;
using testing::TempDir;

// The CSV row of a constituent at an area.
std::vector<std::string> RowAt(const std::string& csv, const std::string& constituent, double area) {
    for (const auto& row : ReadCsv(csv)) {
        if (row.size() == 7 && row[0] == constituent && std::stod(row[1]) == area) return row;
    }
    ADD_FAILURE() << "no row for " << constituent << " at " << area;
    return std::vector<std::string>(7, "0");
}

// Q = 0.5 m^3/s = 15778800 m^3/yr; Co = C* + (Ci - C*) (1 + k/(P q))^-P with q = Q/A:
//   BOD, FWS, Ci 30 (band up to 30: P 1, C* 2, k 33/16/79), A = 5 ha, q = 315.576 m/yr;
//   TN, FWS (P 3, C* 1.5, k 12.6/6.6/24.2) and HSSF (P 6, C* 1, k 8.4/4.7/14.2), Ci 12,
//   A = 20 ha, q = 78.894 m/yr.
TEST(CompareCurves, DesignMethodOutflowsWorkedByHand) {
    struct Case {
        const char* type;
        const char* constituent;
        double area, k50, k30, k70;
    };
    const Case kCases[] = {
        {"fws", "BOD", 5e4, 27.349215092, 28.648876879, 24.393982401},
        {"fws", "TN", 2e5, 10.486948012, 11.168409984, 9.340660417},
        {"hssf", "TN", 2e5, 10.898239951, 11.366873434, 10.212431122},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.constituent);
        const auto outcome = RunStudy("compare --type " + std::string(c.type) + " --areas 5e4:2e5:2 '" +
                                      Example("conventional.inp") + "'");
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(ReadCsv(outcome.out)[0],
                  (std::vector<std::string>{"constituent", "area", "velmar_plug_flow_outflow",
                                            "velmar_fully_mixed_outflow", "pkc_outflow", "pkc_outflow_k30",
                                            "pkc_outflow_k70"}));
        const std::vector<std::string> row = RowAt(outcome.out, c.constituent, c.area);
        EXPECT_NEAR(std::stod(row[4]), c.k50, 1e-8);
        EXPECT_NEAR(std::stod(row[5]), c.k30, 1e-8);
        EXPECT_NEAR(std::stod(row[6]), c.k70, 1e-8);
    }
}

// conventional.inp is fully mixed; its length is 40 times its width, so with longitudinal
// gradients the whole volume counts and the detention time stays at 1.16 days: the same
// project saved with longitudinal gradients is the plug-flow run.
TEST(CompareCurves, ModelAtThePresentAreaIsAPlainRun) {
    TempDir dir;
    const std::string plug = SavedWith(dir, "conventional.inp", "plug.inp", [](ProjectRecord& r) {
        r.longitudinal_calc_re = 1;
        r.mixed_clac_re = 0;
    });
    const std::vector<double> engine[] = {RunEngine(plug), RunEngine(Example("conventional.inp"))};
    ASSERT_EQ(engine[0].size(), 95u);
    ASSERT_EQ(engine[1].size(), 95u);
    const auto outcome = RunStudy("compare --areas 1e5:2e5:3 '" + Example("conventional.inp") + "'");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    struct Constituent {
        const char* name;
        std::size_t efficiency;  // in the engine's results
        double inflow;
    };
    for (const Constituent& c : {Constituent{"TCB", 6, 1e4}, {"BOD", 7, 30}, {"TN", 8, 12}}) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> row = RowAt(outcome.out, c.name, 1e5);
        for (std::size_t regime = 0; regime < 2; ++regime) {
            const double outflow = c.inflow * (1 - engine[regime][c.efficiency] / 100);
            EXPECT_NEAR(std::stod(row[2 + regime]), outflow, outflow * 5e-6) << "regime " << regime;
        }
    }
    EXPECT_LT(std::stod(RowAt(outcome.out, "BOD", 1e5)[2]), std::stod(RowAt(outcome.out, "BOD", 1e5)[3]));
}

// Areas so small that q = Q/A is past the largest number leave P-k-C* without an outflow there,
// and so large ones the model: every area keeps its row in every curve, its empty outflows said.
TEST(CompareCurves, EveryAreaHasARowWhereEitherMethodGivesNothing) {
    const std::string p_k_c = ": P-k-C* gave no outflow at ";
    const std::string p_k_c_why =
        " (q = Q/A is past the largest number at so small an area); their cells are nan\n";
    struct Case {
        const char* areas;
        std::vector<double> expected;
        std::string err;
    };
    const Case kCases[] = {
        {"1e-310:1e6:3",
         {1e-310, 5e5, 1e6},
         "velmar-study: TCB, BOD, TN" + p_k_c + "1 of 3 areas" + p_k_c_why},
        {"1e6:1e-310:3",
         {1e6, 5e5, 1e-310},
         "velmar-study: TCB, BOD, TN" + p_k_c + "1 of 3 areas" + p_k_c_why},
        {"4.9e-324:1e-323:3",
         {4.9e-324, 4.9e-324, 1e-323},
         "velmar-study: TCB, BOD, TN" + p_k_c + "3 of 3 areas" + p_k_c_why},
        {"1e-300:1e300:3 --log",
         {1e-300, 1, 1e300},
         "velmar-study: TCB, BOD, TN: the model gave no outflow at 1 of 3 areas (a phosphorus solution that "
         "did "
         "not converge, or a removal efficiency past the limits of its arithmetic); their cells are nan\n"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.areas);
        const auto outcome =
            RunStudy("compare --areas " + std::string(c.areas) + " '" + Example("conventional.inp") + "'");
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.err, c.err);
        const auto rows = ReadCsv(outcome.out);
        ASSERT_EQ(rows.size(), 1 + 3 * c.expected.size());
        for (std::size_t r = 1; r < rows.size(); ++r) {
            EXPECT_EQ(rows[r][0], (std::vector<std::string>{"TCB", "BOD", "TN"})[(r - 1) % 3]);
            // strtod, not stod: the smallest areas are subnormal.
            EXPECT_EQ(std::strtod(rows[r][1].c_str(), nullptr), c.expected[(r - 1) / 3]) << "row " << r;
        }
    }
}

TEST(CompareCurves, BadAreasAreRefusedWithNothingWritten) {
    const std::string project = " '" + Example("conventional.inp") + "'";
    const std::pair<std::string, std::string> kCases[] = {
        {"--areas 1:2:3" + project + project, "--areas takes one project"},
        {"--areas 1:2:3 --target BOD=10" + project, "--areas and --target cannot be given together"},
        {"--areas 0:2:3" + project, "--areas 0:2:3: the areas must be greater than 0 (m^2)"},
        {"--areas 1:2:1" + project, "STEPS: '1' is not a whole number from 2 to 2147483647"},
        {"--areas 1:2" + project, "--areas 1:2: not of the form FROM:TO:STEPS"},
        {"--log" + project, "--log spaces the areas of --areas"},
        {"--areas 1:2:100001 --format table" + project,
         "--areas: at most 100000 areas are held for a table or a chart; velmar-study compare writes any "
         "number "
         "as CSV or JSON"},
    };
    for (const auto& [arguments, message] : kCases) {
        SCOPED_TRACE(arguments);
        const auto outcome = RunStudy("compare " + arguments);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(message), std::string::npos) << outcome.err;
    }
}

}  // namespace
}  // namespace velmar
