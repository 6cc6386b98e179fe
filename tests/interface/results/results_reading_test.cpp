#include "interface/results/results_reading.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "model/results_writer.h"
#include "tests/support/default_project.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

using testing::DefaultProject;

using testing::TempDir;

TEST(ResultsReading, ReadsTheEngineFileByPosition) {
    ModelState s{};
    static_cast<ProjectRecord&>(s) = DefaultProject();
    s.RE_TP = -999;
    s.ContamSedConc[2] = 4.5;
    s.HMSedConc[2] = 1e-7;
    s.Vb_entered = 1;
    SetName(s.HMName3, "Zinc");
    TempDir dir;
    ASSERT_TRUE(WriteResultsFile(dir.File("Results.txt"), s));

    ResultsLines lines;
    ASSERT_TRUE(ReadResultsLines(dir.File("Results.txt"), lines));
    EXPECT_EQ(lines[0].label, "TSS Removal Rate (/day): \n");
    EXPECT_EQ(lines[9].label, "RE TP (%): \n");
    EXPECT_EQ(ResultsLineValue(lines[9].value), -999);
    EXPECT_EQ(lines[10].label, "Dieldrin Removal Rate (/day): \n");  // after a group's empty line
    EXPECT_EQ(ResultsLineInteger(lines[86].value), 1);
    EXPECT_EQ(ResultsLineValue(lines[91].value), 4.5);
    EXPECT_EQ(lines[94].label, "Zinc Conc (mg/kg): \n");
    EXPECT_EQ(ResultsLineValue(lines[94].value), 1e-7);
}

// A file cut short is refused wherever the cut falls: before a line's end or after it. The
// file's last line end, after the last entry, is not needed.
TEST(ResultsReading, OnlyAWholeFileIsAccepted) {
    ModelState s{};
    static_cast<ProjectRecord&>(s) = DefaultProject();
    const std::string whole = ResultsText(s);
    TempDir dir;
    const std::string path = dir.File("Results.txt");
    ResultsLines lines;
    for (std::size_t end = whole.find('\n'); end + 2 < whole.size(); end = whole.find('\n', end + 1)) {
        for (const std::size_t size : {end, end + 1}) {
            const std::string cut = dir.File(std::to_string(size));  // a new file: no truncation to wait for
            testing::WriteText(cut, whole.substr(0, size));
            ASSERT_FALSE(ReadResultsLines(cut, lines))
                << "accepted " << size << " of " << whole.size() << " bytes";
        }
    }
    testing::WriteText(path, whole.substr(0, whole.size() - 1));
    EXPECT_TRUE(ReadResultsLines(path, lines));

    // A line lost from the middle shifts every later entry; an empty value line is no value.
    const std::size_t third_entry = whole.find("BOD Removal Rate");
    const std::size_t fourth_entry = whole.find("TN Removal Rate");
    testing::WriteText(path, whole.substr(0, third_entry) + whole.substr(fourth_entry));
    EXPECT_FALSE(ReadResultsLines(path, lines));
    std::string emptied = whole;
    const std::size_t first_value = emptied.find('\n') + 1;
    emptied.erase(first_value, emptied.find('\n', first_value) - first_value);
    testing::WriteText(path, emptied);
    EXPECT_FALSE(ReadResultsLines(path, lines));
}

TEST(ResultsReading, MissingFileAndOddValues) {
    ResultsLines lines;
    EXPECT_FALSE(ReadResultsLines("/nonexistent/Results.txt", lines));
    EXPECT_EQ(ResultsLineValue("  2.5e-3junk\n"), 2.5e-3);
    EXPECT_EQ(ResultsLineValue("not a number\n"), 0);
    EXPECT_EQ(ResultsLineInteger("99999999999\n"), INT32_MAX);
}

TEST(ResultsRows, OnlyTssModelled) {
    ProjectRecord r = DefaultProject();
    r.model_tss = 1;
    r.checked_TSSGenOutConc = 1;
    r.checked_TCBGenOutConc = 1;  // requested but TCB not modelled
    EXPECT_EQ(ResultsRowState(r, 1), RowState::Shown);
    EXPECT_EQ(ResultsRowState(r, 6), RowState::Shown);
    EXPECT_EQ(ResultsRowState(r, 23), RowState::Shown);
    EXPECT_EQ(ResultsRowState(r, 2), RowState::Greyed);
    EXPECT_EQ(ResultsRowState(r, 10), RowState::Greyed);
    EXPECT_EQ(ResultsRowState(r, 24), RowState::Greyed);
    for (int entry : {11, 14, 17, 20, 28, 31, 90, 93}) EXPECT_EQ(ResultsRowState(r, entry), RowState::Hidden);
    for (int entry : {34, 52, 81, 89}) EXPECT_EQ(ResultsRowState(r, entry), RowState::NoRow);
}

TEST(ResultsRows, TwoOrganicsAllOutflowsRequested) {
    ProjectRecord r = DefaultProject();
    r.model_contaminant = 1;
    r.NumOC_SLR = 2;
    r.checked_Contam1OutConc = r.checked_Contam2OutConc = r.checked_Contam3OutConc = 1;
    r.checked_HM1OutConc = r.checked_HM2OutConc = r.checked_HM3OutConc = 1;
    for (int first : {11, 14, 28, 90}) {
        EXPECT_EQ(ResultsRowState(r, first), RowState::Shown);
        EXPECT_EQ(ResultsRowState(r, first + 1), RowState::Shown);
        EXPECT_EQ(ResultsRowState(r, first + 2), RowState::Hidden);
    }
    for (int entry : {17, 18, 19, 20, 31, 93}) EXPECT_EQ(ResultsRowState(r, entry), RowState::Hidden);
}

TEST(ResultsRows, SecondMetalRequestedWithoutTheFirst) {
    ProjectRecord r = DefaultProject();
    r.model_contaminant = 1;
    r.NumHM_LLR = 2;
    r.checked_HM2OutConc = 1;
    EXPECT_EQ(ResultsRowState(r, 31), RowState::Hidden);
    EXPECT_EQ(ResultsRowState(r, 93), RowState::Hidden);
    EXPECT_EQ(ResultsRowState(r, 32), RowState::Shown);
    EXPECT_EQ(ResultsRowState(r, 94), RowState::Shown);
    EXPECT_EQ(ResultsRowState(r, 17), RowState::Shown);
    r.model_contaminant = 0;
    EXPECT_EQ(ResultsRowState(r, 32), RowState::Hidden);
}

TEST(ResultsKeeping, ValuesGoToTheirFieldsAndWorkingCopies) {
    ProjectRecord r = DefaultProject();
    ModelResults kept{};
    KeepResultsLine(r, kept, 4, "0.25\n");
    EXPECT_EQ(r.tn_decay_rate, 0.25);
    EXPECT_EQ(r.tn_decay_rate20, 0.25);
    EXPECT_EQ(r.tn_decay_rate20_temp, 0.25);
    KeepResultsLine(r, kept, 5, "0.5\n");
    EXPECT_EQ(kept.tp_removal_rate, 0.5);
    KeepResultsLine(r, kept, 16, "12\n");
    EXPECT_EQ(kept.RE_Contam[2], 12);
    KeepResultsLine(r, kept, 82, "-3e-6\n");
    EXPECT_EQ(r.Vr, -3e-6);
    EXPECT_EQ(r.Vr_temp, -3e-6);
    KeepResultsLine(r, kept, 87, "1\n");
    EXPECT_EQ(r.Vb_entered, 1);
    EXPECT_EQ(r.Vb_entered_temp, 1);
    KeepResultsLine(r, kept, 89, "1\n");
    EXPECT_EQ(r.ARhoB_entered, 1);
    KeepResultsLine(r, kept, 95, "7\n");
    EXPECT_EQ(kept.HMSedConc[2], 7);

    // The heavy metals' fractions are kept for the reports like the organic chemicals'.
    KeepResultsLine(r, kept, 43, "0.125\n");
    KeepResultsLine(r, kept, 51, "0.5\n");
    EXPECT_EQ(kept.HMFd[0], 0.125);
    EXPECT_EQ(kept.HMFdp[2], 0.5);

    // Not kept: contaminant removal rates, the solver's values.
    KeepResultsLine(r, kept, 11, "9\n");
    KeepResultsLine(r, kept, 54, "9\n");
    KeepResultsLine(r, kept, 71, "9\n");
    EXPECT_EQ(kept.ContamRemovalRate[0], 0);
    EXPECT_EQ(r.C, 0);
    EXPECT_EQ(r.Korg[0], 0);
    EXPECT_TRUE(KeptWithoutRow(52));
    EXPECT_TRUE(KeptWithoutRow(89));
    for (const int entry : {34, 43, 51}) EXPECT_TRUE(KeptWithoutRow(entry));
    EXPECT_FALSE(KeptWithoutRow(1));
}

}  // namespace
}  // namespace velmar
