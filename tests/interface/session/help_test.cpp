#include "interface/session/help.h"

#include <fstream>

#include "interface/resources/help_topics.h"
#include "interface/resources/strings.h"
#include "interface/session/program_files.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

constexpr int kHelpWindow = 182;
constexpr int kHelpText = 1130;

class HelpText : public ShellTest {
protected:
    // The caption and text the help window shows for a file.
    std::pair<std::string, std::string> Shown(const std::string& file) {
        std::pair<std::string, std::string> shown;
        ui.Expect(kHelpWindow)
            .Inspect([&shown](Dialog& d) {
                shown = {d.Caption(), d.Text(kHelpText)};
            })
            .PressOk();
        ShowHelpText(ui, kMainWindow, "Constituent Help", file);
        EXPECT_TRUE(ui.ScriptDone());
        return shown;
    }
};

TEST_F(HelpText, CrLfAndBareLfFilesShowEachLineOnce) {
    WriteHelpFile("crlf.txt", "First line\r\nSecond line\r\n\r\nLast");
    WriteHelpFile("lf.txt", "First line\nSecond line\n\nLast");
    const auto crlf = Shown("crlf.txt");
    EXPECT_EQ(crlf.first, "Constituent Help");
    EXPECT_EQ(crlf.second, "First line\nSecond line\n\nLast");
    EXPECT_EQ(Shown("lf.txt").second, crlf.second);
}

TEST_F(HelpText, MissingFileSaysSoAndEmptyFileShowsNothing) {
    EXPECT_EQ(Shown("missing.txt").second, kNoHelpFile);
    WriteHelpFile("empty.txt", "");
    EXPECT_EQ(Shown("empty.txt").second, "");
}

TEST_F(HelpText, EscapeClosesTheWindow) {
    WriteHelpFile("tcb.txt", "Decay rates");
    ui.Expect(kHelpWindow).PressEscape();
    ShowHelpText(ui, kMainWindow, "Total Coliform Bacteria (TCB) Data Entry Help", "tcb.txt");
    EXPECT_TRUE(ui.ScriptDone());
}

// The files the program ships, in the source tree and in the runnable folder.
TEST(ShippedFiles, EveryHelpTopicTheDisclaimerThePicturesAndTheEngineArePresent) {
    for (const std::string folder : {VELMAR_SOURCE_DIR "/interface/resources", VELMAR_DIST}) {
        for (const HelpTopic& topic : kHelpTopics) {
            EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/Help/" + topic.file))
                << folder << topic.file;
        }
        EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/Help/Disclaimer.txt")) << folder;
        for (const char* picture : {"back.bmp", "velmar.png"}) {
            EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/" + picture)) << picture;
        }
    }
    for (const char* file : {kEngineFile, "examples/typical.inp"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::string(VELMAR_DIST "/") + file)) << file;
    }
}

// The Qt host and the documents, made by the build from docs/ with pictures the Qt host takes.
TEST(ShippedFiles, TheFrontEndAndTheDocumentsArePresent) {
#ifndef VELMAR_DIST_HOLDS_QT_HOST
    GTEST_SKIP() << "built without the Qt host";
#endif
    for (const char* document : {"info.doc", "readme.doc"}) {
        EXPECT_EQ(ReadText(VELMAR_DIST "/" + std::string(document)).rfind("{\\rtf1", 0), 0u) << document;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(VELMAR_DIST "/velmarui"));
}

}  // namespace
}  // namespace velmar::testing
