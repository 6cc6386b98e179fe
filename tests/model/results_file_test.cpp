#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "model/results_writer.h"
#include "tests/model/model_fixture.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

using testing::DefaultModel;
using testing::ReadText;
using testing::TempDir;

std::string WrittenResults(const ModelState& s) {
    TempDir dir;
    EXPECT_TRUE(WriteResultsFile(dir.File("Results.txt"), s));
    return ReadText(dir.File("Results.txt"));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(ResultsFile, NinetyFiveEntriesInGroupsEndingWithAnEmptyLine) {
    ModelState s = DefaultModel();
    s.TSS_removal_rate = 0.5;
    s.RE_TP = -999;
    s.Vb_entered = 1;
    s.ARhoB_entered = 1;
    s.Y[0] = 1e-6;
    SetName(s.HMName2, "Lead");
    const std::string text = WrittenResults(s);
    const std::vector<std::string> lines = Lines(text);

    // 95 label and value lines, and 20 group-closing empty lines.
    ASSERT_EQ(lines.size(), 95u * 2 + 20);
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
    EXPECT_EQ(lines[0], "TSS Removal Rate (/day): ");
    EXPECT_EQ(lines[1], "0.5");
    EXPECT_EQ(lines[8], "TP Removal Rate (/day): ");
    EXPECT_EQ(lines[10], "");  // closes the rates
    EXPECT_EQ(lines[19], "RE TP (%): ");
    EXPECT_EQ(lines[20], "-999");
    EXPECT_NE(text.find("\nLead Removal Rate (/day): \n0\n"), std::string::npos);
    EXPECT_NE(text.find("\nRE Dieldrin (%): \n"), std::string::npos);
    EXPECT_NE(text.find("\nY[0]: \n1e-06\n"), std::string::npos);
    EXPECT_NE(text.find("\nVb_entered: \n1\nActiveRhoB: \n1130\nARhoB_entered: \n1\n\n"), std::string::npos);
    EXPECT_NE(text.find("\nChromium Conc (mg/kg): \n0\n\n"), std::string::npos);
}

TEST(ResultsFile, EmptyNameLeavesTheLabelStartingWithABlank) {
    ModelState s = DefaultModel();
    s.TauCompName1[0] = '\0';
    const std::string text = WrittenResults(s);
    EXPECT_NE(text.find("\n Removal Rate (/day): \n"), std::string::npos);
    EXPECT_NE(text.find("\nRE  (%): \n"), std::string::npos);
}

TEST(ResultsFile, InfiniteAndNotANumberValuesAsPrinted) {
    ModelState s = DefaultModel();
    s.RE_TSS = std::numeric_limits<double>::infinity();
    s.RE_TCB = -std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::string> lines = Lines(WrittenResults(s));
    EXPECT_EQ(lines[12], "inf");
    // The sign of a NaN is printed by the GNU C library, not by Windows' runtime.
    EXPECT_TRUE(lines[14] == "-nan" || lines[14] == "nan") << lines[14];
}

}  // namespace
}  // namespace velmar
