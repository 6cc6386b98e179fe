// The host of the front end: modal dialogs, message boxes, file and print dialogs,
// documents, child programs and the program options store. Screens and the shell reach
// the windowing system only through this interface.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "interface/platform/dialog.h"
#include "interface/platform/dialog_template.h"
#include "interface/platform/print_surface.h"

namespace velmar {

// The window that owns a dialog or message box: none, the main window, or an open dialog.
class Owner {
public:
    enum Kind { None, MainWindow, OfDialog };
    constexpr Owner() = default;
    Owner(Dialog& dialog) : kind_(OfDialog), dialog_(&dialog) {}  // NOLINT: a dialog is an owner
    static constexpr Owner Main() { return Owner(MainWindow); }

    Kind kind() const { return kind_; }
    Dialog* dialog() const { return dialog_; }

private:
    constexpr explicit Owner(Kind kind) : kind_(kind) {}
    Kind kind_ = None;
    Dialog* dialog_ = nullptr;
};

inline constexpr Owner kNoOwner{};
inline constexpr Owner kMainWindow = Owner::Main();

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// One entry of a file dialog's type filter, e.g. "Velmar Files (*.inp)" and "*.inp".
struct FileFilter {
    std::string description;
    std::string pattern;
};

// How a child program's run ended.
struct ProgramExit {
    int start_error = 0;  // the system's error number when it could not be started (2: not found)
    int status = 0;       // once started, its exit status; not 0 when it failed or was killed
};

class Ui {
public:
    virtual ~Ui() = default;

    // Runs a dialog modally over its owner; returns the value given to Dialog::End.
    virtual int ShowModal(Owner owner, const DialogTemplate& dialog, const DialogProc& proc) = 0;

    // A message box without icon.
    virtual Answer MessageBox(Owner owner, const std::string& text, const std::string& caption,
                              Buttons buttons) = 0;

    // File dialogs; none changes the program's current directory. Empty on cancel.
    // The open dialog accepts only an existing file; the save dialog asks before
    // replacing one. A save dialog may offer several types, the first shown first: a name
    // typed without an extension gets the one of the type selected.
    virtual std::optional<std::string> AskOpenFileName(Owner owner, const FileFilter& filter,
                                                       const std::string& initial_name) = 0;
    virtual std::optional<std::string> AskSaveFileName(Owner owner, const std::vector<FileFilter>& filters,
                                                       const std::string& initial_name) = 0;
    std::optional<std::string> AskSaveFileName(Owner owner, const FileFilter& filter,
                                               const std::string& initial_name) {
        return AskSaveFileName(owner, std::vector<FileFilter>{filter}, initial_name);
    }

    // The print dialog; a surface to draw the document on, or nothing when cancelled.
    virtual std::unique_ptr<PrintSurface> BeginPrint(Owner owner, const std::string& document_name) = 0;
    // A surface that writes the document as a PDF file, or nothing when the file cannot be
    // created.
    virtual std::unique_ptr<PrintSurface> BeginPdf(const std::string& path,
                                                   const std::string& document_name) = 0;

    // Opens a document (a path, relative to the current directory) or a web address with the
    // system's default application. Failures are not reported.
    virtual void OpenDocument(const std::string& path_or_address) = 0;

    // Runs a program with its arguments, hidden, with the given folder as its current
    // directory, and waits for it to end.
    virtual ProgramExit RunProgramAndWait(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          const std::string& folder) = 0;

    // Runs `work` on a thread of its own and returns once it has ended. Meanwhile the windows
    // stay responsive (a click on an open dialog reaches its procedure) and `tick` is called
    // on this thread about every 50 ms, to show how far the work has come. The work must not
    // throw.
    virtual void RunInBackground(const std::function<void()>& work, const std::function<void()>& tick) = 0;
    // Called by work run in the background whenever it has come further. A host that runs the
    // work on the windows' own thread (a web page has but one) shows the progress and hands the
    // user's clicks to the open dialog here; the others need nothing.
    virtual void WorkProgressed() {}

    // Puts text on the system clipboard.
    virtual void SetClipboardText(const std::string& text) = 0;

    // Program options kept from one run to the next as 4-byte integers. A value that is
    // missing, or stored as anything but a 4-byte integer, reads as empty.
    virtual std::optional<std::int32_t> ReadOption(const std::string& name) = 0;
    virtual void WriteOption(const std::string& name, std::int32_t value) = 0;

    // Asks the main window to close, as its close box would, once the current command ends.
    virtual void PostCloseRequest() = 0;
};

}  // namespace velmar
