// The example projects run through the engine, checked against values worked out
// independently from the formulas.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/support/results_values.h"
#include "tests/support/run_engine.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

using testing::ReadText;
using testing::TempDir;

// Results.txt read by position: entry number (1-based) to its value line.
std::vector<double> RunExample(const std::string& name) {
    TempDir dir;
    EXPECT_EQ(testing::RunEngineIn(dir.path(), {VELMAR_SOURCE_DIR "/examples/" + name}), 0) << name;
    std::vector<double> values(1, 0.0);
    const std::vector<double> entries = testing::ResultsValues(ReadText(dir.File("Results.txt")));
    values.insert(values.end(), entries.begin(), entries.end());
    EXPECT_EQ(values.size(), 96u);
    return values;
}

// The results file keeps six significant digits.
void ExpectEntries(const std::vector<double>& results, const std::map<int, double>& expected) {
    for (auto [entry, value] : expected) {
        EXPECT_NEAR(results[entry], value, std::abs(value) * 5e-6 + 1e-300) << "entry " << entry;
    }
}

TEST(Examples, Typical) {
    const std::vector<double> r = RunExample("typical.inp");
    ExpectEntries(r, {{1, 1.0},
                      {6, 68.65138191173948},
                      {23, 18.809170852956317},
                      {83, 0.5},
                      {85, 2.6548672566371683e-05},
                      {52, 0.5},
                      {53, 0.1901285268841737}});
    // Phosphorus by the established-wetland equations: a solution was found.
    EXPECT_GT(r[10], 0);
    EXPECT_LT(r[10], 100);
    EXPECT_NEAR(r[5], r[81] / 0.5, r[5] * 1e-5);
    EXPECT_NEAR(r[27], 0.19 * (1 - r[10] / 100), 1e-6);
}

TEST(Examples, Conventional) {
    ExpectEntries(RunExample("conventional.inp"), {{1, 0.2422997946611909},
                                                   {2, 0.5703889435869346},
                                                   {3, 0.6676454254550578},
                                                   {4, 0.0802451046500684},
                                                   {6, 21.94011668910687},
                                                   {7, 39.81889729267102},
                                                   {8, 43.645103255562425},
                                                   {9, 8.515749386594717},
                                                   {23, 62.44790664871451},
                                                   {24, 6018.110270732898},
                                                   {25, 16.906469023331272},
                                                   {26, 10.978110073608633},
                                                   {83, 0.12114989733059546},
                                                   {85, 8.576983881812069e-06},
                                                   {82, -1.4973378641129537e-06}});
}

TEST(Examples, TpNewWetland) {
    ExpectEntries(RunExample("tp_new_wetland.inp"), {{1, 0.6},
                                                     {6, 50.14243770087834},
                                                     {5, 0.47955056179775285},
                                                     {10, 42.6661308178076},
                                                     {27, 0.17200160754657723},
                                                     {80, 0.7992509363295881},
                                                     {81, 0.23977528089887643}});
}

TEST(Examples, OrganicsByHalfLife) {
    ExpectEntries(RunExample("organics_half_life.inp"), {{11, 0.231},
                                                         {12, 3.465},
                                                         {13, 0},
                                                         {14, 23.506162197395742},
                                                         {15, 98.20362600493533},
                                                         {28, 0.0015298767560520852},
                                                         {29, 0.00017963739950646707},
                                                         {71, 0.231},
                                                         {72, 3.465}});
}

TEST(Examples, OrganicsByProcessesAndMetals) {
    ExpectEntries(RunExample("organics_metals.inp"),
                  {{11, 0.7972841461357087},     {12, 1.2920220977134254},
                   {13, 1.4876264833168482},     {14, 60.340894188907576},
                   {15, 77.65897772056292},      {16, 82.19421391663248},
                   {17, 0.43476888243861744},    {18, 0.43807178329314844},
                   {19, 0.4373722687693434},     {20, 39.60910899698254},
                   {21, 39.840045858359},        {22, 39.79121004390762},
                   {28, 0.00039659105811092423}, {29, 0.011170511139718543},
                   {30, 0.017805786083367525},   {31, 0.0030195445501508735},
                   {32, 0.0120319908283282},     {33, 0.12041757991218477},
                   {74, 1974.5399673900934},     {75, 28.060363354030947},
                   {76, 6.615620265764822},      {77, 5100},
                   {90, 0.7123790407602386},     {91, 0.3153522667234964},
                   {92, 0.12281460837396847},    {93, 13.12804009542713},
                   {94, 52.7087567873254},       {95, 526.6731012590595}});
}

}  // namespace
}  // namespace velmar
