#include "interface/results/comparison_screen.h"

#include <filesystem>

#include "interface/platform/run_program.h"
#include "interface/resources/comparison_template.h"
#include "interface/resources/run_templates.h"
#include "interface/resources/templates.h"
#include "interface/results/results_screen.h"
#include "interface/session/program_files.h"
#include "interface/shell/run_model.h"
#include "project/project_file.h"
#include "study/compare.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

class ComparisonScreen : public ShellTest {
protected:
    ComparisonScreen() {
        KeptResults() = ModelResults{};
        std::filesystem::copy_file(VELMAR_ENGINE, File(kEngineFile));
        ui.OnRun([](const ScriptedUi::ProgramRun& run) {
            return RunProgramAndWaitFor(run.program, run.arguments);
        });
    }

    static std::string Example(const std::string& name) { return VELMAR_SOURCE_DIR "/examples/" + name; }
};

// What the screen shows, cell by cell, for rows as velmar-study compare computes them.
void ExpectTable(Dialog& d, const std::vector<study::ComparedRow>& expected) {
    for (int r = 0; r < kComparisonRows; ++r) {
        const bool shown = r < static_cast<int>(expected.size());
        EXPECT_EQ(d.IsShown(ComparisonNameId(r)), shown) << "row " << r;
        if (!shown) continue;
        const PkcComparisonRow& row = expected[static_cast<std::size_t>(r)].row;
        SCOPED_TRACE(row.constituent);
        EXPECT_EQ(d.Text(ComparisonNameId(r)), row.constituent);
        std::vector<std::optional<double>> values = {row.inflow, row.velmar_outflow, row.velmar_removal};
        if (row.pkc) {
            const PkcValues& p = *row.pkc;
            values.insert(values.end(),
                          {p.k, p.cstar, p.tanks, p.outflow, p.removal, p.outflow_k30, p.outflow_k70});
        }
        values.resize(kComparisonColumnCount);
        for (int c = 0; c < kComparisonColumnCount; ++c) {
            EXPECT_EQ(d.Text(ComparisonValueId(r, c)), ComparisonCell(values[static_cast<std::size_t>(c)]))
                << "column " << kComparisonColumns[c];
        }
    }
}

// The engine run through Run Model, the results read back from its file, and the screen's
// table equal to the command's for the same project file, for both wetland types.
TEST_F(ComparisonScreen, TableIsThatOfTheCompareStudyForTheSameProject) {
    for (const char* example : {"conventional.inp", "tp_new_wetland.inp", "organics_metals.inp"}) {
        SCOPED_TRACE(example);
        ASSERT_EQ(ReadProjectFile(Example(example), Project()), 0);
        study::CompareSettings fws, hssf;
        hssf.pkc.type = pkc::WetlandType::HorizontalSubsurface;
        const auto by_fws = study::CompareProject(Example(example), fws).rows;
        const auto by_hssf = study::CompareProject(Example(example), hssf).rows;
        ui.Expect(kResultsDialog)
            .Click(kResultsCompare)
            .Expect(kComparisonDialog)
            .Inspect([&](Dialog& d) {
                EXPECT_TRUE(d.Checked(kComparisonFreeWaterSurface));
                ExpectTable(d, by_fws);
            })
            .Click(kComparisonSubsurface)
            .Inspect([&](Dialog& d) { ExpectTable(d, by_hssf); })
            .PressEscape()
            .PressOk();
        RunModel(ui);
        EXPECT_TRUE(ui.ScriptDone());
    }
}

TEST_F(ComparisonScreen, SavesTextAndCsvAndPrints) {
    ASSERT_EQ(ReadProjectFile(Example("conventional.inp"), Project()), 0);
    Shell().current_file = "site.inp";
    ui.Expect(kResultsDialog)
        .Click(kResultsCompare)
        .Expect(kComparisonDialog)
        .Click(kComparisonSave)
        .ExpectSaveFile(File("site_pkc.txt"))
        .Click(kComparisonSave)
        .ExpectSaveFile(File("site.csv"))
        .Click(kComparisonPrint)
        .ExpectPrint(true)
        .Click(kComparisonSave)
        .ExpectSaveFile(File("no/such/folder/x.txt"))
        .ExpectMessage(
            "The comparison could not be written to " + File("no/such/folder/x.txt") +
                ". Check that the folder exists and is writable and that the disk is not full.\n\nThe system "
                "reported: No such file or directory.",
            "File I/O Error")
        .PressOk()
        .PressOk();
    RunModel(ui);
    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_EQ(ui.FileDialogs().front().initial_name, "site_pkc.txt");

    const std::string text = ReadText(File("site_pkc.txt"));
    EXPECT_EQ(text.rfind("Comparison with the P-k-C* Design Method\n", 0), 0u);
    EXPECT_NE(text.find("\nBOD:\nInflow concentration:"), std::string::npos);
    EXPECT_NE(text.find("Apparent number of tanks P:"), std::string::npos);
    for (const char* line : kPkcCaveat) EXPECT_NE(text.find(line), std::string::npos);

    const std::string csv = ReadText(File("site.csv"));
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "file,constituent,inflow,velmar_outflow,velmar_RE,pkc_k,pkc_cstar,pkc_P,pkc_outflow,pkc_RE,"
              "pkc_outflow_k30,pkc_outflow_k70,note");
    EXPECT_NE(csv.find("\nsite.inp,BOD,30,"), std::string::npos);
    EXPECT_NE(csv.find("\nsite.inp,TSS,80,"), std::string::npos);

    std::string printed;
    for (const auto& t : ui.Printed()) printed += t.text + "\n";
    EXPECT_EQ(ui.Printed().front().text, kComparisonTitle);
    EXPECT_NE(printed.find("P-k-C* constants for free water surface (FWS) wetlands"), std::string::npos);
    EXPECT_NE(printed.find(kPkcCaveat[1]), std::string::npos);
}

// Without results there is nothing to compare with.
TEST_F(ComparisonScreen, NotOfferedAfterARunThatFailed) {
    ui.Expect(kResultsDialog)
        .ExpectMessage(
            "The model produced no results: \"Results.txt\" could not be read. Check that the model "
            "program is present and that the current folder is writable, then run the model again.",
            "No Results")
        .Inspect([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(kResultsCompare)); })
        .PressOk();
    ShowResultsScreen(ui, kMainWindow, false);
    EXPECT_TRUE(ui.ScriptDone());
}

}  // namespace
}  // namespace velmar::testing
