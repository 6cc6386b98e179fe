// The Qt host: dialogs as Qt dialogs, the standard message, file and print dialogs, and the
// program options in the platform's settings store.
#pragma once

#include <functional>
#include <memory>

#include "interface/platform/ui.h"

class QSettings;
class QWidget;

namespace velmar {

class QtDialog;

class QtUi : public Ui {
public:
    // Options go to the user's settings of Velmar (the registry key Software\Velmar on
    // Windows, an INI file elsewhere), or to the given store.
    QtUi();
    explicit QtUi(std::unique_ptr<QSettings> options);
    ~QtUi() override;

    void SetMainWindow(QWidget* window) { main_window_ = window; }
    // Called with each dialog once its procedure has filled it, before it is shown.
    void OnDialogOpened(std::function<void(QtDialog&)> opened) { opened_ = std::move(opened); }

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
    std::optional<std::int32_t> ReadOption(const std::string& name) override;
    void WriteOption(const std::string& name, std::int32_t value) override;
    void PostCloseRequest() override;
    void RunInBackground(const std::function<void()>& work, const std::function<void()>& tick) override;
    void SetClipboardText(const std::string& text) override;

private:
    QWidget* OwnerWidget(Owner owner) const;
    void ReturnFocus(Owner owner) const;
    std::optional<std::string> AskFileName(bool save, Owner owner, const std::vector<FileFilter>& filters,
                                           const std::string& initial_name);

    std::unique_ptr<QSettings> settings_;
    QWidget* main_window_ = nullptr;
    std::function<void(QtDialog&)> opened_;
};

}  // namespace velmar
