// The viewer window: menus and their enabling, the open and reload sequences and what the window shows
// after them, listings in the list box, saving it, where keys go, and the commands that reach the
// other windows.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QUrl>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gui_fixture.h"
#include "model/store.h"
#include "render/core/view_keys.h"
#include "render/core/view_state.h"
#include "state/selection_state.h"
#include "tests/support/board_model.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/list_file.h"
#include "ui/windows/palette_panel.h"
#include "ui/windows/settings.h"

using namespace opt;
using namespace opt::guitest;

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Enabled(TGLW& w, const char* name) { return w.Item(QString::fromLatin1(name))->isEnabled(); }

// The items that need a model, and the three that are always there.
constexpr const char* kModelItems[] = {"View1", "Lists1", "SaveBMP1", "SavePal1", "SaveVxs1"};
constexpr const char* kAlwaysItems[] = {"ReadVxfromOPt1", "Contents1", "About1"};

void CheckMenus(TGLW& w, bool loaded) {
    for (const char* name : kModelItems) QVERIFY2(Enabled(w, name) == loaded, name);
    for (const char* name : kAlwaysItems) QVERIFY2(Enabled(w, name), name);
}

// The window in front with the keyboard, as after the user's click on it.
bool Activated(QWidget& w) {
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w, 20000);
}

// A user's click on an entry of a control-panel list, the panel shown first.
void ClickRow(QListWidget* list, int row) {
    list->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QPoint Middle(const QWidget& w) { return w.rect().center(); }

// glColor3f(1, 0, 0) as the framebuffer stores it: the selected mesh's quads.
constexpr QRgb kRed = qRgb(255, 0, 0);

}  // namespace

class ViewerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitApplication(App()); }

    void menuCaptionsAndHints() {
        RunningApp app;
        struct Row {
            const char* name;
            const char* caption;
            const char* hint;
        };
        const Row rows[] = {
            {"Render1", "File", ""},
            {"ReadVxfromOPt1", "Read OPt", "Open Opt file for viewing."},
            {"SaveBMP1", "Save Bmp", "Saves curretnt texture to bmp file"},
            {"SavePal1", "Save Pals", "Saves all palettes"},
            {"SaveVxs1", "Save  Vxs", "Saves The contents of list box to file"},
            {"Lists1", "Lists", ""},
            {"ClearListBox1", "Clear List Box", ""},
            {"MainFileInfoList1", "Main File Info ", ""},
            {"MeshInfo1", "Mesh Info", ""},
            {"MeshDataHeader1", "Mesh Data Header", ""},
            {"MeshFaceHeader1", "Mesh Face Header", ""},
            {"FaceData1", "Face Data ", ""},
            {"Collisionboxlist1", "Collision box ", ""},
            {"RotationPointlist1", "Rotation Point ", ""},
            {"HardPointlist1", "HardPoint ", ""},
            {"VertexList1", "Vertex ", ""},
            {"TextureVertexList1", "Texture Vertex ", ""},
            {"VertexNormal1", "Vertex Normal", ""},
            {"ListTextures1", "List Textures", ""},
            {"View1", "View   ", ""},
            {"Panel1", "Panel     &SpaceBar", "Press Spacebar when model loaded"},
            {"Help", "Help", ""},
            {"Contents1", "Contents", ""},
            {"About1", "About", ""},
        };
        for (const Row& r : rows) {
            QAction* item = app.viewer().Item(QString::fromLatin1(r.name));
            QVERIFY2(item != nullptr, r.name);
            QCOMPARE(item->text(), QString::fromLatin1(r.caption));
            QCOMPARE(item->statusTip(), QString::fromLatin1(r.hint));
        }
        QCOMPARE(app.viewer().Item(QStringLiteral("Contents1"))->shortcut(), QKeySequence(Qt::Key_F1));
        // Menu order of the File menu: Read OPt, Reload, Recent Files, then the designed items with the
        // Export submenu and "Revert Last Write" after the saves; the separator N3 is its last item.
        const auto fileItems = app.viewer().findChild<QMenu*>(QStringLiteral("Render1Menu"))->actions();
        QCOMPARE(fileItems.size(), 10);
        QCOMPARE(fileItems[fileItems.size() - 3]->objectName(), QStringLiteral("Export1"));
        QCOMPARE(fileItems[fileItems.size() - 2]->objectName(), QStringLiteral("RevertLastWrite1"));
        QCOMPARE(fileItems.back()->objectName(), QStringLiteral("N3"));
        QVERIFY(fileItems.back()->isSeparator());
        QCOMPARE(app.viewer().windowTitle(), QStringLiteral("OPT_Zedaruz_V4a"));
        QVERIFY(app.viewer().menuBar()->isVisible());
    }

    void menusFollowTheLoad() {
        RunningApp app;
        CheckMenus(app.viewer(), false);
        const std::string path = app.OpenModel(GapModel(), "ship.opt");
        QVERIFY(app.dialogs.errors.empty());
        QVERIFY(app.selection().ModelLoaded);
        CheckMenus(app.viewer(), true);
        QCOMPARE(app.viewer().Bar().Text(1), QStringLiteral("Size=     20   Meters"));
        QCOMPARE(app.viewer().windowTitle(), QString::fromStdString(path));
        QCOMPARE(app.dialogs.openFilters.back(), std::string("*.opt|*.opt|*.op1|*.op1"));

        // A cancelled open after a model was shown: no-model state, lists emptied, except the
        // mesh and face lists, which only a completed load refills.
        app.viewer().Item(QStringLiteral("MainFileInfoList1"))->trigger();
        QVERIFY(app.viewer().SB().Count() > 0);
        app.viewer().Item(QStringLiteral("ReadVxfromOPt1"))->trigger();
        QVERIFY(!app.selection().ModelLoaded);
        CheckMenus(app.viewer(), false);
        QCOMPARE(app.viewer().SB().Count(), 0);
        QCOMPARE(app.panel().ResBox()->count(), 0);
        QCOMPARE(app.panel().ResBox()->currentText(), QString());
        QCOMPARE(app.panel().LB()->count(), 0);
        QCOMPARE(app.panel().LBMESH()->count(), 2);
        QCOMPARE(app.panel().LBFACE()->count(), 2);
        // The dialog starts in the folder of the last file.
        QCOMPARE(app.dialogs.openStartDirs.back(), Local(app.programDir.path()));
    }

    void unreadableFileLeavesTheNoModelStateWithItsCaption() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        const std::string missing = (app.ProgramPath() / "gone.opt").string();
        app.dialogs.openAnswers.push_back(missing);
        app.viewer().Item(QStringLiteral("ReadVxfromOPt1"))->trigger();
        QCOMPARE(app.dialogs.errors, std::vector<std::string>{"Cannot open file " + missing});
        QCOMPARE(app.viewer().windowTitle(), QString::fromStdString(missing));
        QVERIFY(!app.selection().ModelLoaded);
        CheckMenus(app.viewer(), false);
        QCOMPARE(app.panel().LBMESH()->count(), 2);  // still the previous model's
        // The program goes on: the next open works.
        app.OpenModel(GapModel(), "ship2.opt");
        QVERIFY(app.selection().ModelLoaded);
        QCOMPARE(app.dialogs.errors.size(), size_t{1});
    }

    void aCancelledOpenSaysThatNoModelIsOpenAndF5BringsItBack() {
        RunningApp app;
        TGLW& viewer = app.viewer();
        const std::string path = app.OpenModel(GapModel(), "ship.opt");
        QVERIFY(Activated(viewer));
        QTest::keyClick(&viewer, Qt::Key_O, Qt::ControlModifier);  // the dialog, cancelled
        QCOMPARE(app.dialogs.openStartDirs.size(), size_t{2});
        QVERIFY(!app.selection().ModelLoaded);
        // Nothing of the model is left to mislead: no caption, picture, scale or size of it, and the
        // free panel says how to get it back.
        QCOMPARE(viewer.windowTitle(), QStringLiteral("OPT_Zedaruz_V4a"));
        QCOMPARE(CountNotBlack(viewer.View().grabFramebuffer()), 0);
        QCOMPARE(viewer.Bar().Text(2), QStringLiteral(u"No model open \u2014 F5 opens ship.opt again"));
        QVERIFY(viewer.Bar().Text(0).isEmpty() && viewer.Bar().Text(1).isEmpty());
        QTest::keyClick(&viewer, Qt::Key_F5);
        QVERIFY(app.selection().ModelLoaded);
        QCOMPARE(viewer.windowTitle(), QString::fromStdString(path));
        QVERIFY(CountNotBlack(viewer.View().grabFramebuffer()) > 0);
        QCOMPARE(viewer.Bar().Text(1), QStringLiteral("Size=     20   Meters"));
        QVERIFY(!viewer.Bar().Text(2).contains(QStringLiteral("No model")));
    }

    void aReloadAndAnOpenShowTheCameraAndTheSelectionTheyLeave() {
        RunningApp app;
        TGLW& viewer = app.viewer();
        app.OpenModel(GapModel(), "ship.opt");
        const QImage fresh = viewer.View().grabFramebuffer();
        QVERIFY(Activated(viewer));
        QTest::mouseClick(&viewer.View(), Qt::LeftButton, {}, Middle(viewer.View()));  // the view's keys
        QTest::keyClick(&viewer.View(), Qt::Key_Up);
        QTest::keyClick(&viewer.View(), Qt::Key_Equal);
        QCOMPARE(viewer.Bar().Text(0), QStringLiteral("Scale= 2"));
        QVERIFY(viewer.View().grabFramebuffer() != fresh);
        // F5 resets the camera: the picture and the scale text show the reset one at once, and the
        // next key takes one step from it.
        QTest::keyClick(&viewer.View(), Qt::Key_F5);
        QCOMPARE(viewer.Bar().Text(0), QStringLiteral("Scale= 1"));
        QCOMPARE(viewer.View().grabFramebuffer(), fresh);
        QTest::keyClick(&viewer.View(), Qt::Key_Up);
        QCOMPARE(app.view().AngleX, 10);

        // Another file keeps the selected mesh (the user's click decides), and its list shows it.
        ClickRow(app.panel().LBMESH(), 1);
        QCOMPARE(app.selection().SelectedMesh, 1);
        optb::Model threeMeshes = GapModel();
        threeMeshes.entries[1] = QuadMesh(10, "HULL");
        app.OpenModel(threeMeshes, "other.opt");
        QCOMPARE(app.panel().LBMESH()->currentRow(), 1);
        QVERIFY(CountColour(viewer.View().grabFramebuffer(), kRed) > 0);
    }

    void aKeyGoesToTheListBoxOrToTheViewNotToBoth() {
        RunningApp app;
        TGLW& viewer = app.viewer();
        app.OpenModel(GapModel(), "ship.opt");
        viewer.Item(QStringLiteral("ListTextures1"))->trigger();
        ListBox& sb = viewer.SB();
        QVERIFY(Activated(viewer));
        QTest::mouseClick(sb.viewport(), Qt::LeftButton, {}, sb.visualRect(sb.model()->index(0, 0)).center());
        QVERIFY(sb.hasFocus());
        QTest::keyClick(&sb, Qt::Key_Down);  // the list's line, not the model's turn
        QCOMPARE(sb.currentIndex().row(), 1);
        QCOMPARE(app.view().AngleX, 0);
        QTest::keyClick(&sb, Qt::Key_Minus);  // a key the list has no use for still zooms
        QCOMPARE(viewer.Bar().Text(0), QStringLiteral("Scale= 0.889999985694885"));
        QCOMPARE(sb.currentIndex().row(), 1);
        // A click into the view gives it the keys.
        QTest::mouseClick(&viewer.View(), Qt::LeftButton, {}, Middle(viewer.View()));
        QVERIFY(viewer.View().hasFocus());
        QTest::keyClick(&viewer.View(), Qt::Key_Down);
        QCOMPARE(app.view().AngleX, -10);
        QCOMPARE(sb.currentIndex().row(), 1);
    }

    void listingsAppendInOrderAndClearEmpties() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        QCOMPARE(app.viewer().SB().Count(), 0);
        app.viewer().Item(QStringLiteral("HardPointlist1"))->trigger();  // no hardpoints: adds nothing
        QCOMPARE(app.viewer().SB().Count(), 0);
        app.viewer().Item(QStringLiteral("ListTextures1"))->trigger();
        const std::vector<std::string> first = app.viewer().SB().Lines();
        QVERIFY(!first.empty());
        app.viewer().Item(QStringLiteral("VertexList1"))->trigger();
        const std::vector<std::string> both = app.viewer().SB().Lines();
        QVERIFY(both.size() > first.size());
        QVERIFY(std::equal(first.begin(), first.end(), both.begin()));
        // The view shows every line once the listing is done.
        QCOMPARE(app.viewer().SB().model()->rowCount(), static_cast<int>(both.size()));
        app.viewer().Item(QStringLiteral("ClearListBox1"))->trigger();
        QCOMPARE(app.viewer().SB().Count(), 0);
        QCOMPARE(app.viewer().SB().model()->rowCount(), 0);
    }

    void saveVxsWritesEveryLineWithCrLf() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.op1");
        app.viewer().Item(QStringLiteral("ListTextures1"))->trigger();
        app.viewer().Item(QStringLiteral("SaveVxs1"))->trigger();
        const std::string saved = app.SaveDataDir() + "ship.vxs";
        QCOMPARE(app.dialogs.messages.back(), " File saved to  " + saved);
        std::string expected;
        for (const auto& line : app.viewer().SB().Lines()) expected += line + "\r\n";
        QCOMPARE(ReadBytes(saved), expected);

        // A model file without extension saves as ship.vxs too; an empty list box, an empty file.
        app.OpenModel(GapModel(), "ship");
        app.viewer().Item(QStringLiteral("SaveVxs1"))->trigger();
        QCOMPARE(app.dialogs.messages.back(), " File saved to  " + saved);
        QCOMPARE(ReadBytes(saved), std::string());
        QCOMPARE(VxsFileName("/a.b/ship"), std::string("ship.vxs"));
        QCOMPARE(VxsFileName("d:\\models\\ship.op1"), std::string("ship.vxs"));
    }

    void saveVxsWithoutSaveDataDirReportsTheFile() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        std::filesystem::remove_all(app.ProgramPath() / "SaveData");
        const size_t messages = app.dialogs.messages.size();
        app.viewer().Item(QStringLiteral("SaveVxs1"))->trigger();
        QCOMPARE(app.dialogs.errors,
                 std::vector<std::string>{"Cannot create file " + app.SaveDataDir() + "ship.vxs"});
        QCOMPARE(app.dialogs.messages.size(), messages);  // no success message
    }

    void helpAboutAndPanelCommands() {
        RunningApp app;
        app.viewer().Item(QStringLiteral("Contents1"))->trigger();
        QCOMPARE(app.dialogs.helpCalls.size(), size_t{1});
        QCOMPARE(app.dialogs.helpCalls[0].first, std::string("Opt_zedaruz.hlp"));
        QCOMPARE(app.dialogs.helpCalls[0].second, 10);
        app.viewer().Item(QStringLiteral("About1"))->trigger();
        QCOMPARE(app.dialogs.modalWindows, std::vector<QString>{QStringLiteral("About")});

        app.OpenModel(GapModel(), "ship.opt");
        QVERIFY(!app.panel().isVisible());
        app.viewer().Item(QStringLiteral("Panel1"))->trigger();
        QVERIFY(app.panel().isVisible());
        QVERIFY(app.windows.pa->isVisible());
    }

    void spaceShowsTheControlPanelOnlyWithAModel() {
        RunningApp app;
        app.store().Decimal_Separator = '.';
        QTest::keyClick(&app.viewer(), Qt::Key_Space);
        QVERIFY(!app.panel().isVisible());
        app.OpenModel(GapModel(), "ship.opt");
        QTest::keyClick(&app.viewer(), Qt::Key_Space);
        QVERIFY(app.panel().isVisible());
        QVERIFY(!app.windows.pa->isVisible());
        // A zoom key writes the scale into panel 0.
        QTest::keyClick(&app.viewer(), Qt::Key_Minus);
        QCOMPARE(app.viewer().Bar().Text(0), QStringLiteral("Scale= 0.889999985694885"));
    }

    void droppedModelOpensAndOtherFilesAreRefused() {
        RunningApp app;
        const std::string path = app.WriteModel(GapModel(), "drop.op1");
        QVERIFY(IsModelFileName(QStringLiteral("x/y/ship.OPT")));
        QVERIFY(!IsModelFileName(QStringLiteral("ship.txt")));
        const QString text = app.programDir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(!app.viewer().DropFiles({QUrl::fromLocalFile(text)}));
        QVERIFY(!app.viewer().DropFiles(
            {QUrl::fromLocalFile(QString::fromStdString(path)), QUrl::fromLocalFile(text)}));
        QVERIFY(!app.selection().ModelLoaded);
        QVERIFY(app.viewer().DropFiles({QUrl::fromLocalFile(QString::fromStdString(path))}));
        QVERIFY(app.selection().ModelLoaded);
        QCOMPARE(app.viewer().windowTitle(), QString::fromStdString(path));
        QVERIFY(app.dialogs.openStartDirs.empty());  // no dialog
    }

    void resizesReloadTheModelAndKeepThePanelSquare() {
        RunningApp app;
        // Before the first "Read OPt" a resize only keeps the panel square.
        app.viewer().resize(700, 360);
        QTest::qWait(20);
        QCOMPARE(app.viewer().p()->width(), app.viewer().p()->height());
        QCOMPARE(app.view().LoadCount, 0);

        const std::string path = app.OpenModel(GapModel(), "ship.opt");
        QCOMPARE(app.viewer().p()->width(), app.viewer().p()->height());
        app.viewer().Item(QStringLiteral("ListTextures1"))->trigger();
        const auto lines = app.viewer().SB().Lines();
        QVERIFY(!lines.empty());
        // A resize keeps the list box and the user's camera, and draws at once.
        app.viewer().View().KeyDown(ViewKey::EqualPlus, {});
        app.viewer().resize(720, 420);
        QTest::qWait(50);
        QVERIFY(app.selection().ModelLoaded);
        QCOMPARE(app.viewer().SB().Lines(), lines);
        QCOMPARE(app.view().ViewScale, 2.0);
        QVERIFY(CountNotBlack(app.viewer().View().grabFramebuffer()) > 0);
        QCOMPARE(app.viewer().p()->width(), app.viewer().p()->height());
        QCOMPARE(app.view().LoadCount, 2);  // the context was remade, then the model shown once more

        // The file gone from the disk: the message, and the list box keeps its lines.
        std::filesystem::remove(path);
        app.viewer().resize(760, 440);
        QTest::qWait(50);
        QCOMPARE(app.dialogs.errors, std::vector<std::string>{"Cannot open file " + path});
        QCOMPARE(app.viewer().SB().Lines(), lines);
    }

    // GapModel with mesh 0 moved 5 along x: a file of the same size with other vertices, written
    // over the opened one.
    static std::filesystem::file_time_type OverwriteWithMovedMesh(const std::string& path) {
        const auto modified = std::filesystem::last_write_time(path);
        optb::Model moved = GapModel();
        moved.entries[0] = QuadMesh(5, "HULL");
        optb::write_file(path, optb::build(moved).bytes);
        return modified;
    }

    void aResizeDoesNotReadAFileUnchangedOnDiskAgain() {
        RunningApp app;
        app.selection().DisplayMode.PutDown(SBWire);
        const std::string path = app.OpenModel(GapModel(), "ship.opt");
        QCOMPARE(app.store().tvx[0].X[0], 0.0f);
        // Other bytes, but the same size and modification time: the file counts as unchanged.
        std::filesystem::last_write_time(path, OverwriteWithMovedMesh(path));
        app.viewer().resize(720, 420);
        QTest::qWait(50);
        QCOMPARE(app.store().tvx[0].X[0], 0.0f);  // the tables as the load filled them
        QCOMPARE(app.view().LoadCount, 2);
        // Drawn again from the tables, with texture objects of the new context (uploaded from the
        // images the load read).
        const auto& objects = app.viewer().View().TextureObjects();
        QVERIFY(!objects.empty() && objects.front() != 0);
        QCOMPARE(app.viewer().p()->width(), app.viewer().p()->height());
    }

    void aResizeReadsAFileThatChangedOnDiskAgain() {
        RunningApp app;
        const std::string path = app.OpenModel(GapModel(), "ship.opt");
        // Same size, a later modification time: read again, the moved mesh shows in the tables.
        std::filesystem::last_write_time(path, OverwriteWithMovedMesh(path) + std::chrono::seconds(2));
        app.viewer().resize(720, 420);
        QTest::qWait(50);
        QCOMPARE(app.store().tvx[0].X[0], 5.0f);
        QCOMPARE(app.view().LoadCount, 2);
    }

    void classicTableSizesCutTheOpenModelAndAreRemembered() {
        RunningApp app;
        app.OpenModel(optb::board_model(), "board.opt");
        QCOMPARE(app.store().txw.Size(), 60);
        QAction* classic = app.viewer().Item(QStringLiteral("ClassicTables1"));
        QVERIFY(classic != nullptr && classic->isCheckable());
        classic->trigger();  // checked: the model is read again with the classic sizes
        QCOMPARE(app.store().txw.Size(), kMaxTopLevel);
        QVERIFY(app.viewer().SB().Lines().back().find("Classic Table Sizes") != std::string::npos);
        QVERIFY(AppSettings().value(QString::fromLatin1(setting::kClassicTables)).toBool());
        classic->trigger();  // and back: the whole model
        QCOMPARE(app.store().txw.Size(), 60);
        QVERIFY(!AppSettings().value(QString::fromLatin1(setting::kClassicTables)).toBool());
    }

    void closingGuardsResizesAndFreesTheEditors() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        int released = 0;
        app.viewer().SetEditorRelease([&] { ++released; });
        app.viewer().close();
        QCOMPARE(released, 1);
        QVERIFY(app.view().ResizeGuard);
    }
};

QTEST_MAIN(ViewerWindowTest)
#include "viewer_window_test.moc"
