#include "interface/platform/qt/qt_ui.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <clocale>
#include <thread>

#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_print_surface.h"
#include "interface/platform/run_program.h"

namespace velmar {
namespace {

std::unique_ptr<QSettings> UserSettings() {
#ifdef _WIN32
    return std::make_unique<QSettings>("HKEY_CURRENT_USER\\Software\\Velmar", QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Velmar", "Velmar");
#endif
}

// A filter in Qt's form "Description (*.ext)".
QString NameFilter(const FileFilter& filter) {
    const QString description = QString::fromStdString(filter.description);
    const QString pattern = QString::fromStdString(filter.pattern);
    return description.contains('(') ? description : description + " (" + pattern + ")";
}

// The extension a filter's pattern gives its files: "pdf" for "*.pdf".
QString Extension(const FileFilter& filter) {
    return QString::fromStdString(filter.pattern).section('.', -1);
}

// The margins of a PDF page: a printer's printable area stops short of the paper's edge,
// a PDF page's would not.
constexpr double kPdfMarginMillimetres = 12.7;

}  // namespace

QtUi::QtUi() : QtUi(UserSettings()) {}

QtUi::QtUi(std::unique_ptr<QSettings> options) : settings_(std::move(options)) {
    // Qt adopts the user's locale for the C library too; project files, results and number
    // fields are read and written with printf and scanf formats, which must keep the point
    // as the decimal separator whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");
}

QtUi::~QtUi() = default;

QWidget* QtUi::OwnerWidget(Owner owner) const {
    switch (owner.kind()) {
        case Owner::MainWindow: return main_window_;
        case Owner::OfDialog: return static_cast<QtDialog*>(owner.dialog())->window();
        default: return nullptr;
    }
}

// The keyboard goes back to the window a dialog was opened over. Window managers do this
// themselves; without one (a bare X session, some remote desktops) the keys would go nowhere.
void QtUi::ReturnFocus(Owner owner) const {
    if (QWidget* window = OwnerWidget(owner)) window->activateWindow();
}

int QtUi::ShowModal(Owner owner, const DialogTemplate& dialog, const DialogProc& proc) {
    QtDialog live(*this, OwnerWidget(owner), dialog, [this, &proc](Dialog& d, const DialogEvent& e) {
        proc(d, e);
        if (e.kind == DialogEvent::Opened && opened_) opened_(static_cast<QtDialog&>(d));
    });
    const int result = live.Run();
    ReturnFocus(owner);
    return result;
}

Answer QtUi::MessageBox(Owner owner, const std::string& text, const std::string& caption, Buttons buttons) {
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == Buttons::YesNo) shown = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel) shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text), shown,
                    OwnerWidget(owner));
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    ReturnFocus(owner);
    switch (answer) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Ok: return Answer::Ok;
        default: return Answer::Cancel;
    }
}

std::optional<std::string> QtUi::AskFileName(bool save, Owner owner, const std::vector<FileFilter>& filters,
                                             const std::string& initial_name) {
    // Qt's own dialog: the same on every platform, and it never changes the current directory.
    QFileDialog dialog(OwnerWidget(owner));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList names;
    for (const FileFilter& filter : filters) names << NameFilter(filter);
    dialog.setNameFilters(names);
    if (save && filters.size() > 1) {
        // Choosing another type gives the name being typed, and one typed bare, its extension.
        dialog.setDefaultSuffix(Extension(filters.front()));
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &filters, names](const QString& name) {
                const QString extension = Extension(filters[static_cast<std::size_t>(names.indexOf(name))]);
                dialog.setDefaultSuffix(extension);
                const QString typed = dialog.selectedFiles().value(0);
                if (!typed.isEmpty())
                    dialog.selectFile(QFileInfo(typed).completeBaseName() + "." + extension);
            });
    }
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!initial_name.empty()) {
        const QFileInfo initial(QString::fromStdString(initial_name));
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    ReturnFocus(owner);
    if (!chosen) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtUi::AskOpenFileName(Owner owner, const FileFilter& filter,
                                                 const std::string& initial_name) {
    return AskFileName(false, owner, {filter}, initial_name);
}

std::optional<std::string> QtUi::AskSaveFileName(Owner owner, const std::vector<FileFilter>& filters,
                                                 const std::string& initial_name) {
    return AskFileName(true, owner, filters, initial_name);
}

std::unique_ptr<PrintSurface> QtUi::BeginPrint(Owner owner, const std::string& document_name) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QString::fromStdString(document_name));
    printer->setCopyCount(1);
    printer->setFromTo(1, 1);
    QPrintDialog dialog(printer.get(), OwnerWidget(owner));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    auto surface = std::make_unique<QtPrintSurface>(std::move(printer));
    if (!surface->active()) return nullptr;
    return surface;
}

std::unique_ptr<PrintSurface> QtUi::BeginPdf(const std::string& path, const std::string& document_name) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setDocName(QString::fromStdString(document_name));
    printer->setPageMargins(
        QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres, kPdfMarginMillimetres, kPdfMarginMillimetres),
        QPageLayout::Millimeter);
    auto surface = std::make_unique<QtPrintSurface>(std::move(printer));
    if (!surface->active()) return nullptr;
    return surface;
}

void QtUi::OpenDocument(const std::string& path_or_address) {
    const QString target = QString::fromStdString(path_or_address);
    QDesktopServices::openUrl(
        target.contains("://") ? QUrl(target) : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
}

ProgramExit QtUi::RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                    const std::string& folder) {
    return RunProgramAndWaitFor(program, arguments, folder);
}

std::optional<std::int32_t> QtUi::ReadOption(const std::string& name) {
    const QVariant value = settings_->value(QString::fromStdString(name));
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt: return static_cast<std::int32_t>(value.toUInt());  // a registry DWORD
        case QMetaType::QString: {
            // An INI file keeps a number as its decimal text; anything else is another type.
            bool is_number = false;
            const int number = value.toString().toInt(&is_number, 10);
            return is_number ? std::optional<std::int32_t>(number) : std::nullopt;
        }
        default: return std::nullopt;
    }
}

void QtUi::WriteOption(const std::string& name, std::int32_t value) {
    settings_->setValue(QString::fromStdString(name), value);
    settings_->sync();
}

void QtUi::RunInBackground(const std::function<void()>& work, const std::function<void()>& tick) {
    QEventLoop loop;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &loop, tick);
    std::jthread worker([&] {
        work();
        // Posted, so that the loop ends as soon as the work does, even before it has begun.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    ticks.start(30);
    tick();
    // The open modal dialog keeps the other windows blocked; its own controls stay live.
    loop.exec();
    worker.join();
    tick();
}

void QtUi::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtUi::PostCloseRequest() {
    if (QWidget* window = main_window_) QTimer::singleShot(0, window, [window] { window->close(); });
}

}  // namespace velmar
