#include "interface/shell/startup.h"

#include "interface/resources/strings.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

constexpr int kDisclaimer = 200;
constexpr int kDisclaimerText = 1204;
constexpr int kDecline = 1205;

class StartUp : public ShellTest {};

TEST_F(StartUp, DecliningTheDisclaimerEndsBeforeTheOptionsAreTouched) {
    WriteHelpFile("Disclaimer.txt", "Screening use only.\n");
    ui.Expect(kDisclaimer).Click(kDecline);
    EXPECT_FALSE(ShowDisclaimer(ui));
    EXPECT_TRUE(Shell().exiting);
    EXPECT_EQ(ui.OptionReads(), 0);
    EXPECT_EQ(ui.OptionWrites(), 0);
    EXPECT_TRUE(ui.ScriptDone());
}

TEST_F(StartUp, DisclaimerShowsItsFileAndLeavesOnlyByItsButtons) {
    WriteHelpFile("Disclaimer.txt", "Line one\r\nLine two\nLine three");
    ui.Expect(kDisclaimer)
        .PressEscape()
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kDisclaimerText), "Line one\nLine two\nLine three"); })
        .PressOk();
    EXPECT_TRUE(ShowDisclaimer(ui));
    EXPECT_FALSE(Shell().exiting);
    EXPECT_TRUE(ui.ScriptDone());
}

TEST_F(StartUp, MissingDisclaimerFileIsSaidInTheTextBox) {
    ui.Expect(kDisclaimer)
        .Inspect([](Dialog& d) { EXPECT_EQ(d.Text(kDisclaimerText), kNoDisclaimerFile); })
        .PressOk();
    EXPECT_TRUE(ShowDisclaimer(ui));
}

TEST_F(StartUp, MainWindowIsCentredOnScreenWidthAndWorkAreaHeight) {
    const WindowPosition at = MainWindowPosition(1024, 738);
    EXPECT_EQ(at.x, 379);
    EXPECT_EQ(at.y, 231);
    // Smaller than the window: integer division truncates toward zero.
    const WindowPosition small = MainWindowPosition(200, 200);
    EXPECT_EQ(small.x, -32);
    EXPECT_EQ(small.y, -37);
}

TEST_F(StartUp, OptionsMissingOrOfAnotherTypeTakeTheirDefaults) {
    ui.StoreOption("AutoSave", 1);
    ui.StoreOptionOfOtherType("TempSave");
    Shell().options = {7, 7, 7};
    PrepareSession(ui);
    EXPECT_EQ(Shell().options.AutoSave, 1);
    EXPECT_EQ(Shell().options.TempSave, 1);
    EXPECT_EQ(Shell().options.PromptMe, 0);
}

TEST_F(StartUp, SessionStartsFromTheDefaults) {
    Project().temperature = 3;
    Project().System_Properties_Entered = 1;
    PrepareSession(ui);
    EXPECT_EQ(Project().temperature, 20);
    EXPECT_EQ(Project().System_Properties_Entered, 0);
    EXPECT_EQ(Shell().options.TempSave, 1);
}

}  // namespace
}  // namespace velmar::testing
