// Start-up: the windows in their order, the working folders and their one-time notice, the counters,
// the first start's places on the screen, the About box, the help page and the small conversions the
// windows rely on.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

#include "gui_fixture.h"
#include "render/core/view_state.h"
#include "state/selection_state.h"
#include "ui/windows/about_box.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/edit_controls.h"
#include "ui/windows/flag_edit.h"
#include "ui/windows/help_window.h"
#include "ui/windows/palette_panel.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/view_key_map.h"

using namespace opt;
using namespace opt::guitest;

namespace {

// Notes, for each notice, whether any window was already on the screen.
class StartDialogs : public ScriptedDialogs {
public:
    std::vector<bool> windowShown;
    void Message(const std::string& text) override {
        bool shown = false;
        for (QWidget* w : QApplication::topLevelWidgets()) shown = shown || w->isVisible();
        windowShown.push_back(shown);
        ScriptedDialogs::Message(text);
    }
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
    QTemporaryDir settingsDir_;

private slots:
    void initTestCase() {
        InitApplication(App());
        UseSettingsFile(settingsDir_.filePath(QStringLiteral("settings.ini")));
    }
    void cleanup() { SetDialogs(nullptr); }

    void freshFolderGetsBothDirectoriesAndTheNoticeOnce() {
        QTemporaryDir folder;
        const std::filesystem::path dir = Local(folder.path());
        StartDialogs dialogs;
        SetDialogs(&dialogs);
        {
            AppWindows first = CreateWindows(PortableFolders(dir));
            const std::string appData = (dir / "AppData").string() + "/";
            QCOMPARE(dialogs.messages,
                     std::vector<std::string>{"Directory and files missing. The directory " + appData +
                                              " will be created .Please put the files Hardpoint.txt and "
                                              "MeshType.txt in this directory"});
            QCOMPARE(dialogs.windowShown, std::vector<bool>{false});  // before the main window
            QCOMPARE(TheDirs().AppDataDir, appData);
            QCOMPARE(TheDirs().SaveDataDir, (dir / "SaveData").string() + "/");
            QVERIFY(std::filesystem::is_directory(dir / "AppData"));
            QVERIFY(std::filesystem::is_directory(dir / "SaveData"));
            QVERIFY(std::filesystem::is_empty(dir / "AppData"));  // no lookup files are shipped
        }
        {
            AppWindows second = CreateWindows(PortableFolders(dir));
            QCOMPARE(dialogs.messages.size(), size_t{1});
        }
        // SaveData alone missing: created without a word.
        std::filesystem::remove_all(dir / "SaveData");
        AppWindows third = CreateWindows(PortableFolders(dir));
        QCOMPARE(dialogs.messages.size(), size_t{1});
        QVERIFY(std::filesystem::is_directory(dir / "SaveData"));
    }

    // Installed (no portable marker): the folders under the data home, made with their parents; the
    // notice names that AppData folder.
    void installedProgramKeepsItsFoldersUnderTheDataHome() {
        QTemporaryDir folder;
        const std::filesystem::path dir = Local(folder.path());
        const std::string dataHome = (dir / "data").string();
        const ProgramFolders folders = FindProgramFolders(dir / "bin", dataHome.c_str(), nullptr);
        StartDialogs dialogs;
        SetDialogs(&dialogs);
        AppWindows windows = CreateWindows(folders);
        const std::string appData = dataHome + "/zedaruz/AppData/";
        QCOMPARE(dialogs.messages.size(), size_t{1});
        QVERIFY(dialogs.messages[0].find("The directory " + appData + " will be created") !=
                std::string::npos);
        QCOMPARE(TheDirs().SaveDataDir, dataHome + "/zedaruz/SaveData/");
        QVERIFY(std::filesystem::is_directory(dataHome + "/zedaruz/SaveData"));
        QVERIFY(std::filesystem::is_directory(appData));
        QVERIFY(!std::filesystem::exists(dir / "bin" / "SaveData"));
    }

    void windowsAreCreatedHiddenWithTheCountersReset() {
        ImageShown() = 5;
        RunningApp app;
        QCOMPARE(ImageShown(), 0);
        QCOMPARE(app.view().TexUploads, 0);
        QCOMPARE(app.view().PanX, 0);
        QVERIFY(app.view().ResizeGuard);
        QVERIFY(!app.selection().ModelLoaded);
        // The viewer's creation resets the counters of the model it is given, whatever they held.
        WindowModel used;
        used.View.LoadCount = 3;
        used.View.TexUploads = 2;
        used.View.PanX = 7;
        used.View.ResizeGuard = false;
        used.Selection.ModelLoaded = true;
        {
            const TGLW viewer(PortableFolders(app.ProgramPath()), used);
            QCOMPARE(used.View.LoadCount, 0);
            QCOMPARE(used.View.TexUploads, 0);
            QCOMPARE(used.View.PanX, 0);
            QVERIFY(used.View.ResizeGuard);
            QVERIFY(!used.Selection.ModelLoaded);
        }
        QCOMPARE(QApplication::applicationName(), QStringLiteral("OPT_Zedaruz_V4"));
        QCOMPARE(ApplicationHelpFile(), std::string("Opt_zedaruz.hlp"));
        QCOMPARE(app.windows.ml->windowTitle(), QStringLiteral("Opt_Zedaruz"));
        QCOMPARE(app.windows.about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(app.windows.flagEdit->windowTitle(), QStringLiteral("Flag Editor"));
        QCOMPARE(app.windows.pa->windowTitle(), QStringLiteral("Palettes"));
        for (QWidget* w : std::initializer_list<QWidget*>{app.windows.ml.get(), app.windows.about.get(),
                                                          app.windows.flagEdit.get(), app.windows.pa.get()})
            QVERIFY(!w->isVisible());
        QVERIFY(app.viewer().isVisible());
        // The control panel is at least its designed size, and as large as its lists need.
        QVERIFY(app.windows.ml->width() >= 511 && app.windows.ml->height() >= 437);
        QCOMPARE(app.windows.ml->size(),
                 app.windows.ml->size().expandedTo(app.windows.ml->minimumSizeHint()));
        // The open dialog starts at home while the designed folder does not exist.
        QCOMPARE(app.viewer().OpenDialogStartDir(), Local(QDir::homePath()));
    }

    void theFirstStartFitsTheScreenAndTheMemoShowsItsLinesWhole() {
        RunningApp app;  // no remembered places: a first start
        TGLW& viewer = app.viewer();
        TML& panel = app.panel();
        const QRect area = viewer.screen()->availableGeometry();
        QTest::qWait(20);
        // The view a third to half the screen's height (half where the panel leaves room), the list
        // pane beside it at least half as wide, and the empty list box saying what comes there.
        const int side = viewer.p()->height();
        QVERIFY2(side >= area.height() / 3 && side <= area.height() / 2, qPrintable(QString::number(side)));
        QCOMPARE(viewer.p()->width(), side);
        QVERIFY(viewer.SB().width() >= side / 2);
        QVERIFY(CountNotBlack(viewer.SB().viewport()->grab().toImage()) > 0);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        for (QWidget* w : {static_cast<QWidget*>(&viewer), static_cast<QWidget*>(&panel)})
            QVERIFY(area.contains(w->frameGeometry()));
        QVERIFY(!panel.frameGeometry().intersects(viewer.frameGeometry()));

        // The memo shows the vertex, the descriptor and the distance lines whole, beside the edit area
        // where an edit mode shows it.
        viewer.OpenModelFile(DEMO_MODEL_PATH);
        panel.CBTop()->click();  // the panel stays while the choices redraw
        auto memoWhole = [&panel](const char* what) {
            QPlainTextEdit* memo = panel.Memo();
            QTest::qWait(20);
            QVERIFY2(memo->document()->blockCount() > 2, what);
            for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
                QVERIFY2(memo->fontMetrics().horizontalAdvance(b.text()) <= memo->viewport()->width(),
                         qPrintable(QString::fromLatin1(what) + QStringLiteral(": ") + b.text()));
        };
        auto click = [](QListWidget* list, int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
        };
        QTest::mouseClick(panel.ModeButtonWidget(SBVx), Qt::LeftButton);
        click(panel.LBMESH(), 0);
        click(panel.LBVx(), 2);
        memoWhole("vertex");
        for (ModeButton mode : {SBHZED, SBRes}) {
            QTest::mouseClick(panel.ModeButtonWidget(mode), Qt::LeftButton);
            click(panel.Edit().LBED, 0);
            QVERIFY(panel.Edit().RP->isVisible());
            memoWhole(ModeButtonName(mode));
        }
        // Made narrow, the memo scrolls sideways to its lines' ends.
        panel.resize(panel.minimumSizeHint().width(), panel.height());
        QTest::qWait(20);
        QVERIFY(panel.Memo()->horizontalScrollBar()->maximum() > 0);
    }

    void aboutBoxComposesItsVersionOnce() {
        RunningApp app;
        TAboutBox& about = *app.windows.about;
        QCOMPARE(about.Version()->text(), QStringLiteral("Version  4.0a"));
        app.viewer().Item(QStringLiteral("About1"))->trigger();
        app.viewer().Item(QStringLiteral("About1"))->trigger();
        QCOMPARE(app.dialogs.modalWindows.size(), size_t{2});
        QCOMPARE(about.Version()->text(), QStringLiteral("Version  4.0a"));
        QCOMPARE(about.Label1()->text(),
                 QStringLiteral(
                     "This is not meant to be an editor it was a tool used in finding most of the structure "
                     "of Opt files. For this reason  things were patched and hacked into it. So it may be "
                     "somewhat tempermental at times.  "));
        QVERIFY(about.Label2()->text().startsWith(QStringLiteral(
            "As we have a good idea of whats in the Opt files work will now begin on an  editor .")));
        QCOMPARE(about.ProgramIcon()->pixmap().size(), QSize(100, 67));  // our own picture, shipped inside
        // Every text shows whole at the font it has, and none covers another.
        for (QLabel* label : {about.Label1(), about.Label2()})
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
        QVERIFY(!about.Label1()->geometry().intersects(about.Label2()->geometry()));
        auto* name = about.findChild<QLabel*>(QStringLiteral("ProductName"));
        const QFontMetrics nameFont(name->font());
        QVERIFY(nameFont.horizontalAdvance(name->text()) <= name->width());
        QVERIFY(nameFont.height() <= name->height());
        QVERIFY(!name->geometry().intersects(about.Version()->geometry()));
        QVERIFY(about.rect().contains(about.OKButton()->geometry()));
        QVERIFY(about.Label2()->geometry().bottom() < about.OKButton()->geometry().top());
        about.show();
        about.OKButtonClick();
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int{QDialog::Accepted});
    }

    void helpOpensTheShippedPageAtItsSection() {
        QCOMPARE(HelpWindow::PageFor("Opt_zedaruz.hlp"), QStringLiteral("qrc:/help/Opt_zedaruz.html"));
        HelpWindow help;
        help.ShowContext(kHelpFileName, kHelpContext);
        QCOMPARE(help.Browser()->source().fragment(), QStringLiteral("section10"));
        QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("10 Getting started")));
        // The page tells what surprises users: the wireframe's colour and the reload a resize makes.
        QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("blue wireframe")));
        QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("Resizing the window")));
        // What the start shows, the state a cancelled open leaves, and where the keys go.
        QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("mesh 0 drawn in red")));
        QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("No model open")));
        QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("Click into the view")));
        QVERIFY(help.isVisible());
        QVERIFY(help.screen()->availableGeometry().contains(help.frameGeometry()));
    }

    void aScreenshotRunInAFreshFolderWritesItsNoticeToStandardErrorAndGoesOn() {
        // The program in a portable folder without AppData: the notice may not wait for an OK nobody
        // presses.
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("zedaruz"));
        QVERIFY(QFile::copy(QStringLiteral(ZEDARUZ_PATH), program));
        QFile marker(folder.filePath(QStringLiteral("zedaruz-portable")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        const QString picture = folder.filePath(QStringLiteral("shot.png"));
        QProcess run;
        run.start(program, {QStringLiteral("--screenshot"), picture, QStringLiteral(DEMO_MODEL_PATH)});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        QVERIFY(QString::fromLocal8Bit(run.readAllStandardError())
                    .contains(QStringLiteral("Directory and files missing")));
        QVERIFY(QFile::exists(picture));
        QVERIFY(QDir(folder.filePath(QStringLiteral("AppData"))).exists());
    }

    void openFilterAndKeysInQtTerms() {
        QCOMPARE(QtFileFilter("*.opt|*.opt|*.op1|*.op1"), QStringLiteral("*.opt (*.opt);;*.op1 (*.op1)"));
        QCOMPARE(ToViewKey(Qt::Key_Minus, Qt::NoModifier), ViewKey::Minus);
        QCOMPARE(ToViewKey(Qt::Key_Minus, Qt::KeypadModifier), ViewKey::Other);
        QCOMPARE(ToViewKey(Qt::Key_Plus, Qt::ShiftModifier), ViewKey::EqualPlus);
        QCOMPARE(ToViewKey(Qt::Key_Plus, Qt::KeypadModifier), ViewKey::Other);
        QCOMPARE(ToViewKey(Qt::Key_PageUp, Qt::ControlModifier), ViewKey::PageUp);
        // Arrows and Page keys marked as keypad keys (macOS) still turn the view.
        QCOMPARE(ToViewKey(Qt::Key_Left, Qt::KeypadModifier), ViewKey::Left);
        QCOMPARE(ToViewKey(Qt::Key_PageDown, Qt::KeypadModifier), ViewKey::PageDown);
        QCOMPARE(ToViewKey(Qt::Key_A, Qt::NoModifier), ViewKey::Other);
        const KeyModifiers m = ToKeyModifiers(Qt::ShiftModifier | Qt::AltModifier);
        QVERIFY(m.Shift && m.Alt && !m.Ctrl);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
