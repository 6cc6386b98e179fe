// A fresh front end for each test: the project at its start-up defaults, a clean shell
// state, a scripted host, and a scratch folder as the current directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "interface/platform/scripted/scripted_ui.h"
#include "interface/session/state.h"
#include "project/project_file.h"
#include "tests/support/temp_dir.h"

namespace velmar::testing {

class ShellTest : public ::testing::Test {
protected:
    ShellTest() : previous_directory_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder_.path());
        Project() = ProgramStartRecord();
        Shell() = ShellState{};
        ClearProject();
    }
    ~ShellTest() override { std::filesystem::current_path(previous_directory_); }

    void WriteHelpFile(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(folder_.path() / "Help");
        WriteText(folder_.File("Help/" + name), text);
    }

    // Unsaved changes, as a data-entry screen leaves them when accepted.
    void ChangeProject() {
        Project().temperature = Project().temperature_temp = 12.5;
        Shell().changes = true;
    }

    std::string File(const std::string& name) const { return folder_.File(name); }

    // The project as a save would write it now, written to the file of that name.
    std::string SavedText(const std::string& name) const {
        WriteProjectFile(File(name), Project());
        return ReadText(File(name));
    }

    ScriptedUi ui;

private:
    TempDir folder_;
    std::filesystem::path previous_directory_;
};

}  // namespace velmar::testing
