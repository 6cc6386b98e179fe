// The Qt host as the program uses it: main window and menu, modal dialogs, message boxes,
// the options store and printing.
#include "interface/platform/qt/qt_ui.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <filesystem>

#include "interface/app/main_window_description.h"
#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_print_surface.h"
#include "interface/resources/main_menu.h"
#include "interface/resources/templates.h"
#include "interface/session/help.h"
#include "tests/interface/platform/qt/qt_test_main.h"
#include "tests/support/temp_dir.h"

namespace velmar::testing {
namespace {

class QtHost : public QtTest {
protected:
    QtHost() : previous_directory_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder_.path());
    }
    ~QtHost() override { std::filesystem::current_path(previous_directory_); }

    std::unique_ptr<QSettings> Settings() {
        return std::make_unique<QSettings>(QString::fromStdString(folder_.File("options.ini")),
                                           QSettings::IniFormat);
    }

    MainWindowDescription Description(QtUi& ui) { return VelmarMainWindow(ui, {379, 231}); }

    TempDir folder_;

private:
    std::filesystem::path previous_directory_;
};

QAction* FindAction(QMenuBar* bar, const QString& text) {
    for (QAction* top : bar->actions()) {
        if (top->text() == text) return top;
        if (!top->menu()) continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->text() == text) return item;
        }
    }
    return nullptr;
}

TEST_F(QtHost, MainWindowIsFixedSizedWithMinimizeButNoMaximize) {
    QtUi ui(Settings());
    MainWindow window(Description(ui));
    EXPECT_EQ(window.windowTitle(), "Velmar User Interface");
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.minimumSize().height(), 275);
    EXPECT_GE(window.minimumSize().width(), 265);
    // Wide enough for every menu title: none waits behind the bar's overflow button.
    window.show();
    EXPECT_LE(window.menuBar()->sizeHint().width(), window.menuBar()->width());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.pos(), QPoint(379, 231));
    // Without back.bmp in the current directory nothing is tiled.
    EXPECT_FALSE(window.centralWidget()->autoFillBackground());
}

TEST_F(QtHost, BackgroundIsTiledFromTheBitmapInTheCurrentDirectory) {
    std::filesystem::copy_file(VELMAR_SOURCE_DIR "/interface/resources/back.bmp", folder_.File("back.bmp"));
    QtUi ui(Settings());
    MainWindow window(Description(ui));
    EXPECT_TRUE(window.centralWidget()->autoFillBackground());
    EXPECT_FALSE(window.centralWidget()->palette().brush(QPalette::Window).texture().isNull());
}

TEST_F(QtHost, MenuCarriesEveryCommandWithItsMnemonic) {
    QtUi ui(Settings());
    MainWindow window(Description(ui));
    for (const MenuItem& item : kMainMenu) {
        EXPECT_NE(FindAction(window.menuBar(), item.text ? item.text : item.menu), nullptr) << item.menu;
    }
}

TEST_F(QtHost, MenuCommandAndAcceleratorsOpenTheAboutBox) {
    QtUi ui(Settings());
    std::vector<int> opened;
    ui.OnDialogOpened([&opened](QtDialog& d) {
        opened.push_back(d.TemplateNumber());
        QTimer::singleShot(0, [&d] { QTest::mouseClick(d.widget(kOkId), Qt::LeftButton); });
    });
    const std::function<void(MainWindow&)> kUserActions[] = {
        [](MainWindow& w) { FindAction(w.menuBar(), "&About ...")->trigger(); },
        [](MainWindow& w) { QTest::keyClick(&w, Qt::Key_Slash, Qt::AltModifier); },
        // The platform's key mapper offers a shifted symbol also without its Shift.
        [](MainWindow& w) { QTest::keyClick(&w, Qt::Key_Question, Qt::AltModifier); },
    };
    for (const auto& act : kUserActions) {
        MainWindow window(Description(ui));
        ui.SetMainWindow(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        act(window);
    }
    EXPECT_EQ(opened, (std::vector<int>{kAboutDialog, kAboutDialog, kAboutDialog}));
}

TEST_F(QtHost, HelpWindowShowsTheFileUntilOkIsPressed) {
    std::filesystem::create_directory(folder_.File("Help"));
    WriteText(folder_.File("Help/tcb.txt"), "Decay rate\r\nTheta\r\n");
    QtUi ui(Settings());
    QString shown;
    ui.OnDialogOpened([&shown](QtDialog& d) {
        shown = static_cast<QPlainTextEdit*>(d.widget(1130))->toPlainText();
        QTimer::singleShot(0, [&d] { QTest::mouseClick(d.widget(kOkId), Qt::LeftButton); });
    });
    ShowHelpText(ui, kMainWindow, "Total Coliform Bacteria (TCB) Data Entry Help", "tcb.txt");
    EXPECT_EQ(shown, "Decay rate\nTheta\n");
}

TEST_F(QtHost, MessageBoxHasNoIconAndAnswersWithTheButtonPressed) {
    QtUi ui(Settings());
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        title = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(ui.MessageBox(kNoOwner, "Do you wish to save the changes before exiting?", "Save Changes",
                            Buttons::YesNoCancel),
              Answer::No);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(title, "Save Changes");
}

TEST_F(QtHost, YesNoMessageBoxOffersNoCancel) {
    QtUi ui(Settings());
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        buttons = box->standardButtons();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(ui.MessageBox(kNoOwner, "Replace it?", "Save As", Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST_F(QtHost, NumbersKeepThePointWhateverTheUsersLocale) {
    std::setlocale(LC_NUMERIC, "C.UTF-8");  // as Qt leaves it for a user's own locale
    QtUi ui(Settings());
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    char text[16];
    std::snprintf(text, sizeof text, "%10.3e", 0.0082);
    EXPECT_STREQ(text, " 8.200e-03");
}

TEST_F(QtHost, OptionsAreReadOnlyWhenStoredAsFourByteIntegers) {
    WriteText(folder_.File("options.ini"),
              "[General]\nAutoSave=1\nTempSave=yes\nPromptMe=@ByteArray(\\0\\0\\0\\x1)\n");
    QtUi ui(Settings());
    EXPECT_EQ(ui.ReadOption("AutoSave"), 1);
    EXPECT_EQ(ui.ReadOption("TempSave"), std::nullopt);
    EXPECT_EQ(ui.ReadOption("PromptMe"), std::nullopt);
    EXPECT_EQ(ui.ReadOption("Missing"), std::nullopt);
    ui.WriteOption("TempSave", 0);
    EXPECT_EQ(QtUi(Settings()).ReadOption("TempSave"), 0);
}

TEST_F(QtHost, PrintSurfaceWritesAPdfDocument) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(folder_.File("report.pdf")));
    QtPrintSurface surface(std::move(printer));
    const PageMetrics page = surface.Metrics();
    EXPECT_GT(page.printable_width, 0);
    EXPECT_LE(page.printable_height, page.page_height);
    surface.SetFont("Arial", 10);
    EXPECT_GT(surface.TextWidth("00000000000000"), surface.TextWidth("0000000000"));
    surface.DrawText(page.left, page.top, "Velmar Model Results");
    surface.NewPage();
    surface.DrawText(page.left, page.top, "Page: 2");
    surface.Finish();
    EXPECT_EQ(ReadText(folder_.File("report.pdf")).rfind("%PDF", 0), 0u);
}

}  // namespace
}  // namespace velmar::testing
