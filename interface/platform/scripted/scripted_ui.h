// A host for tests: plays a script of user actions against the dialogs the program opens and
// records every message box, file dialog, document, program run and option the program
// touches. A script is one sequence, consumed in order as the program shows things:
//
//     ui.Expect(200).PressOk()                                 // the disclaimer: ACCEPT
//       .ExpectMessage("Do you wish ...", "Save Changes", Answer::Yes)
//       .ExpectSaveFile("/tmp/x/Wetland");
//
// Actions after Expect(n) go to dialog n until it closes; a message box or dialog the
// program opens meanwhile takes the next steps. Anything that does not match the script
// throws ScriptError, with what was expected and what came.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "interface/platform/scripted/scripted_dialog.h"
#include "interface/platform/ui.h"

namespace velmar {

class ScriptedUi : public Ui {
public:
    // Script: dialogs and the user's actions on them.
    ScriptedUi& Expect(int template_number);
    ScriptedUi& Type(int id, const std::string& text);
    ScriptedUi& Click(int id);
    ScriptedUi& PressOk() { return Click(kOkId); }
    ScriptedUi& PressCancel() { return Click(kCancelId); }
    ScriptedUi& PressEscape();
    ScriptedUi& Focus(int id);
    ScriptedUi& CheckItem(int id, int item, bool checked);
    ScriptedUi& Spin(int id, int steps);
    ScriptedUi& ChooseItem(int id, int item);
    // Runs a check against the open dialog at this point of the script.
    ScriptedUi& Inspect(std::function<void(Dialog&)> check);

    // Script: message boxes and file and print dialogs, with the user's answer.
    ScriptedUi& ExpectMessage(const std::string& text, const std::string& caption,
                              Answer answer = Answer::Ok);
    ScriptedUi& ExpectOpenFile(std::optional<std::string> choice);
    ScriptedUi& ExpectSaveFile(std::optional<std::string> choice);
    ScriptedUi& ExpectPrint(bool accept);

    // True when every step of the script has been played.
    bool ScriptDone() const { return script_.empty(); }

    // Once the script has ended, a user who wants out: every dialog then shown, or still
    // open, is cancelled with Escape, every message box answered with its OK or Cancel
    // button, and every file or print dialog cancelled. For tests that drive a screen into
    // chains and messages they do not script one by one.
    void DismissWhenScriptEnds() { dismiss_unscripted_ = true; }

    struct MessageRecord {
        Owner::Kind owner;
        std::string text;
        std::string caption;
        Buttons buttons;
    };
    struct FileDialogRecord {
        bool save;
        Owner::Kind owner;
        std::vector<FileFilter> filters;
        std::string initial_name;
    };
    struct ProgramRun {
        std::string program;
        std::vector<std::string> arguments;
        std::string folder;  // the current directory it was given
    };
    struct PrintedText {
        int page;
        int x;
        int y;
        std::string text;
    };

    const std::vector<int>& DialogsShown() const { return dialogs_shown_; }
    const std::vector<MessageRecord>& Messages() const { return messages_; }
    const std::vector<FileDialogRecord>& FileDialogs() const { return file_dialogs_; }
    const std::vector<std::string>& OpenedDocuments() const { return opened_documents_; }
    const std::vector<ProgramRun>& ProgramRuns() const { return program_runs_; }
    const std::vector<PrintedText>& Printed() const { return printed_; }
    const std::vector<std::string>& PdfFiles() const { return pdf_files_; }
    int CloseRequests() const { return close_requests_; }

    // What the user does in the open dialog while background work runs, before it starts
    // (clicking a Cancel button, say); nothing by default.
    void WhileWorking(std::function<void(ScriptedDialog&)> act) { while_working_ = std::move(act); }
    const std::string& Clipboard() const { return clipboard_; }

    // What a program run does and how it ends (started, exit status 0 by default).
    void OnRun(std::function<ProgramExit(const ProgramRun&)> run) { on_run_ = std::move(run); }

    // The options store: values stored before the program starts, and what it left.
    void StoreOption(const std::string& name, std::int32_t value) { options_[name] = {true, value}; }
    void StoreOptionOfOtherType(const std::string& name) { options_[name] = {false, 0}; }
    std::optional<std::int32_t> StoredOption(const std::string& name) const;
    int OptionReads() const { return option_reads_; }
    int OptionWrites() const { return option_writes_; }

    int ShowModal(Owner owner, const DialogTemplate& dialog, const DialogProc& proc) override;
    Answer MessageBox(Owner owner, const std::string& text, const std::string& caption,
                      Buttons buttons) override;
    std::optional<std::string> AskOpenFileName(Owner owner, const FileFilter& filter,
                                               const std::string& initial_name) override;
    using Ui::AskSaveFileName;
    std::optional<std::string> AskSaveFileName(Owner owner, const std::vector<FileFilter>& filters,
                                               const std::string& initial_name) override;
    std::unique_ptr<PrintSurface> BeginPrint(Owner owner, const std::string& document_name) override;
    // Records the document as it would print, and the file it was to go to.
    std::unique_ptr<PrintSurface> BeginPdf(const std::string& path,
                                           const std::string& document_name) override;
    void OpenDocument(const std::string& path_or_address) override {
        opened_documents_.push_back(path_or_address);
    }
    ProgramExit RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                  const std::string& folder) override;
    std::optional<std::int32_t> ReadOption(const std::string& name) override;
    void WriteOption(const std::string& name, std::int32_t value) override;
    void PostCloseRequest() override { ++close_requests_; }
    // Runs the work at once, on this thread, after WhileWorking's action, with a tick before
    // and after.
    void RunInBackground(const std::function<void()>& work, const std::function<void()>& tick) override;
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }

private:
    enum class StepKind {
        Dialog,
        Type,
        Click,
        Escape,
        Focus,
        CheckItem,
        Spin,
        Choose,
        Inspect,  // dialog steps
        Message,
        OpenFile,
        SaveFile,
        Print,
    };
    struct Step {
        StepKind kind;
        int number = 0;  // template, or control id
        int item = 0;    // check-list item, or spin steps
        std::string text;
        std::string caption;
        Answer answer = Answer::Ok;
        std::optional<std::string> choice;
        bool flag = false;
        std::function<void(Dialog&)> check;
    };
    struct StoredValue {
        bool is_int32;
        std::int32_t value;
    };

    ScriptedUi& Add(Step step);
    Step Next(StepKind wanted, const std::string& shown);
    bool Dismissing() const { return dismiss_unscripted_ && script_.empty(); }
    void Play(ScriptedDialog& dialog, const Step& step);
    std::optional<std::string> FileDialog(bool save, Owner owner, const std::vector<FileFilter>& filters,
                                          const std::string& initial_name);

    std::deque<Step> script_;
    std::vector<int> dialogs_shown_;
    std::vector<MessageRecord> messages_;
    std::vector<FileDialogRecord> file_dialogs_;
    std::vector<std::string> opened_documents_;
    std::vector<ProgramRun> program_runs_;
    std::vector<PrintedText> printed_;
    std::vector<std::string> pdf_files_;
    std::function<ProgramExit(const ProgramRun&)> on_run_;
    std::map<std::string, StoredValue> options_;
    int option_reads_ = 0;
    int option_writes_ = 0;
    int close_requests_ = 0;
    bool dismiss_unscripted_ = false;
    std::vector<ScriptedDialog*> open_dialogs_;
    std::function<void(ScriptedDialog&)> while_working_;
    std::string clipboard_;
};

}  // namespace velmar
