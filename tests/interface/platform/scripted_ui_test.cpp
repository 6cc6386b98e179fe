// The scripted host plays a user's actions the way a real dialog would deliver them.
#include "interface/platform/scripted/scripted_ui.h"

#include <gtest/gtest.h>

#include "interface/platform/run_program.h"
#include "interface/session/program_files.h"
#include "tests/interface/support/sample_dialog.h"

namespace velmar::testing {
namespace {

// Records every event and ends on Ok or Cancel.
struct Recorder {
    std::vector<std::string> events;
    void operator()(Dialog& d, const DialogEvent& e) {
        events.push_back(EventName(e));
        if (e.kind == DialogEvent::Opened) d.SetItems(30, {"Volume", "Area", "Depth"});
        if (e.kind == DialogEvent::Ok || e.kind == DialogEvent::Cancel)
            d.End(e.kind == DialogEvent::Ok ? 1 : 2);
    }
};

TEST(ScriptedUi, FocusLeavesTheFieldBeforeTheButtonActs) {
    ScriptedUi ui;
    Recorder recorder;
    ui.Expect(900).Type(10, "2.5").Click(21).PressOk();
    EXPECT_EQ(ui.ShowModal(kNoOwner, kEveryKind, std::ref(recorder)), 1);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"Opened", "Entered 10", "Edited 10", "Left 10",
                                                         "Clicked 21", "Ok 1"}));
}

TEST(ScriptedUi, RadioButtonsOfASetExcludeEachOtherAndMayAllBeClear) {
    ScriptedUi ui;
    ui.Expect(900)
        .Click(21)
        .Click(22)
        .Inspect([](Dialog& d) {
            EXPECT_FALSE(d.Checked(21));
            EXPECT_TRUE(d.Checked(22));
            d.SetChecked(22, false);
            EXPECT_FALSE(d.Checked(21) || d.Checked(22));
        })
        .PressCancel();
    EXPECT_EQ(ui.ShowModal(kNoOwner, kEveryKind, Recorder{}), 2);
}

TEST(ScriptedUi, CheckListsAndSpinsReportOnlyRealChanges) {
    ScriptedUi ui;
    Recorder recorder;
    ui.Expect(900)
        .CheckItem(30, 1, true)
        .CheckItem(30, 1, true)  // already checked: no event
        .Spin(40, 5)
        .Inspect([](Dialog& d) {
            EXPECT_TRUE(d.ItemChecked(30, 1));
            EXPECT_EQ(d.SpinPosition(40), 3);  // held within its range
        })
        .PressEscape();
    ui.ShowModal(kNoOwner, kEveryKind, std::ref(recorder));
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"Opened", "ItemChanged 30/1", "Spin 40=3", "Cancel"}));
}

TEST(ScriptedUi, RefusesWhatAUserCouldNotDo) {
    for (auto script : std::initializer_list<void (*)(ScriptedUi&)>{
             [](ScriptedUi& ui) { ui.Expect(900).Type(11, "1"); },                 // disabled
             [](ScriptedUi& ui) { ui.Expect(900).Click(50); },                     // hidden
             [](ScriptedUi& ui) { ui.Expect(900).Type(99, "1"); },                 // no such control
             [](ScriptedUi& ui) { ui.Expect(901); },                               // another dialog
             [](ScriptedUi& ui) { ui.Expect(900); },                               // left open at the end
             [](ScriptedUi& ui) { ui.Expect(900).ExpectMessage("Hello", "Hi"); },  // no message came
         }) {
        ScriptedUi ui;
        script(ui);
        EXPECT_THROW(ui.ShowModal(kNoOwner, kEveryKind, Recorder{}), ScriptError);
    }
}

TEST(ScriptedUi, MessagesMustMatchTextCaptionAndButtons) {
    ScriptedUi ui;
    ui.ExpectMessage("Invalid Input!", "Invalid Input");
    EXPECT_THROW(ui.MessageBox(kMainWindow, "Invalid input!", "Invalid Input", Buttons::Ok), ScriptError);
    ui.ExpectMessage("Save?", "Save", Answer::Yes);
    EXPECT_THROW(ui.MessageBox(kMainWindow, "Save?", "Save", Buttons::Ok), ScriptError);
    ui.ExpectMessage("Save?", "Save", Answer::No);
    EXPECT_EQ(ui.MessageBox(kMainWindow, "Save?", "Save", Buttons::YesNoCancel), Answer::No);
    ui.ExpectMessage("Replace?", "Save As", Answer::Cancel);
    EXPECT_THROW(ui.MessageBox(kMainWindow, "Replace?", "Save As", Buttons::YesNo), ScriptError);
    EXPECT_EQ(ui.Messages().size(), 4u);
}

TEST(ScriptedUi, RecordsPrintedTextAndProgramRuns) {
    ScriptedUi ui;
    ui.ExpectPrint(false).ExpectPrint(true);
    EXPECT_EQ(ui.BeginPrint(kNoOwner, "Velmar Model Results"), nullptr);
    auto page = ui.BeginPrint(kNoOwner, "Velmar Model Results");
    ASSERT_NE(page, nullptr);
    page->DrawText(50, 50, "Page one");
    page->NewPage();
    page->DrawText(50, 50, "Page two");
    EXPECT_EQ(ui.Printed().back().page, 2);
    EXPECT_EQ(ui.Printed().back().text, "Page two");

    EXPECT_EQ(ui.RunProgramAndWait("./velmar", {}, "").status, 0);  // started and succeeded by default
    ui.OnRun([](const ScriptedUi::ProgramRun& run) {
        return run.program == "./velmar" ? ProgramExit{0, 255} : ProgramExit{2, 0};
    });
    EXPECT_EQ(ui.RunProgramAndWait("./velmar", {"data.tmp"}, "").status, 255);
    EXPECT_EQ(ui.RunProgramAndWait("./missing", {}, "").start_error, 2);
    EXPECT_EQ(ui.ProgramRuns()[1].arguments, std::vector<std::string>{"data.tmp"});
}

TEST(RunProgram, ReportsTheStartErrorOrTheExitStatus) {
    const ProgramExit missing = RunProgramAndWaitFor("./no-such-engine", {"data.tmp"});
    EXPECT_EQ(missing.start_error, 2);
#ifdef _WIN32
    // The engine without a project file ends with its -1, which Windows reports as it is.
    const ProgramExit failed = RunProgramAndWaitFor(std::string(VELMAR_DIST "/") + kEngineFile, {});
    EXPECT_EQ(failed.start_error, 0);
    EXPECT_EQ(failed.status, -1);
#else
    EXPECT_EQ(RunProgramAndWaitFor("/bin/sh", {"-c", "exit 3"}).status, 3);
    EXPECT_EQ(RunProgramAndWaitFor("/bin/sh", {"-c", "exit 0"}).status, 0);
    EXPECT_EQ(RunProgramAndWaitFor("/bin/sh", {"-c", "exit 255"}).status, 255);
    EXPECT_EQ(RunProgramAndWaitFor("/bin/sh", {"-c", "kill -KILL $$"}).status, 128 + 9);
    EXPECT_EQ(RunProgramAndWaitFor("/bin/sh", {"-c", "exit 3"}).start_error, 0);
#endif
}

}  // namespace
}  // namespace velmar::testing
