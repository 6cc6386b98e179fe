// The web host: dialogs built as elements of the page by its script (web/velmar_page.js), the
// page's own message and file boxes, files kept in the browser's memory and handed to the user
// through the browser's save dialog or as downloads, and the program options in the browser's
// storage. The program runs on the
// page's one thread: a modal dialog waits for the user's next action without holding the
// browser (the program's stack is set aside meanwhile), so the screens run unchanged.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "interface/platform/menu.h"
#include "interface/platform/ui.h"

namespace velmar {

// The folder the user's files live in while the page is open: the projects they open, and
// every file the program writes there, which the page hands over to the user.
inline constexpr char kWebFilesFolder[] = "/files";

// A dialog as the page is told of it, in JSON: its caption, its controls in the order
// declared and the keyboard's order of them.
std::string WebTemplateDescription(const DialogTemplate& dialog);

// What the page shows as the main window.
struct WebMainWindow {
    std::string title;
    int width = 0;
    int height = 0;
    std::string background_file;  // tiled over the window
    std::span<const MenuItem> menu;
    std::span<const Accelerator> accelerators;
};

// A program run inside the page rather than started: its arguments, without the program's
// name; its exit status.
using WebProgram = std::function<int(const std::vector<std::string>& arguments)>;

class WebUi : public Ui {
public:
    // Programs the page runs itself, by the file name RunProgramAndWait is given ("velmar").
    void AddProgram(const std::string& file_name, WebProgram program);

    // A document the page shows from an address of its own, relative to the page, instead of
    // the file OpenDocument is given (by its name): the browser shows no RTF.
    void AddDocument(const std::string& file_name, const std::string& address);

    // Puts up the main window with its menu.
    void ShowMainWindow(const WebMainWindow& window);
    // Waits for the user's next menu command (or accelerator).
    int NextCommand();
    // Whether the browser asks before the page is closed or left: while there are changes that
    // were not saved.
    void AskBeforeLeaving(bool ask);
    // Whether the program has been asked to close since the last call.
    bool TakeCloseRequest() { return std::exchange(close_requested_, false); }
    // Takes the main window away, telling the user the program has ended.
    void End();

    int ShowModal(Owner owner, const DialogTemplate& dialog, const DialogProc& proc) override;
    Answer MessageBox(Owner owner, const std::string& text, const std::string& caption,
                      Buttons buttons) override;
    std::optional<std::string> AskOpenFileName(Owner owner, const FileFilter& filter,
                                               const std::string& initial_name) override;
    using Ui::AskSaveFileName;
    std::optional<std::string> AskSaveFileName(Owner owner, const std::vector<FileFilter>& filters,
                                               const std::string& initial_name) override;
    std::unique_ptr<PrintSurface> BeginPrint(Owner owner, const std::string& document_name) override;
    std::unique_ptr<PrintSurface> BeginPdf(const std::string& path,
                                           const std::string& document_name) override;
    void OpenDocument(const std::string& path_or_address) override;
    ProgramExit RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                  const std::string& folder) override;
    void RunInBackground(const std::function<void()>& work, const std::function<void()>& tick) override;
    void WorkProgressed() override;
    void SetClipboardText(const std::string& text) override;
    std::optional<std::int32_t> ReadOption(const std::string& name) override;
    void WriteOption(const std::string& name, std::int32_t value) override;
    void PostCloseRequest() override { close_requested_ = true; }

private:
    struct LiveDialog {
        Dialog* dialog;
        const DialogProc* proc;
    };
    std::map<std::string, WebProgram> programs_;
    std::map<std::string, std::string> documents_;
    std::vector<LiveDialog> open_;  // the dialogs shown, the top one last
    const std::function<void()>* tick_ = nullptr;  // of the work running
    double last_tick_ = 0;  // when, in milliseconds
    bool close_requested_ = false;
};

}  // namespace velmar
