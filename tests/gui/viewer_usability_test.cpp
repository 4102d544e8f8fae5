// The viewer as a user meets it: listings that read whole, a splitter that follows the mouse, a
// square view at start, the control panel beside the viewer and in front when asked for, texts that
// fit their panels, the first-screen hint, a model framed and zoomed about the middle of the view,
// and settings and recent files that stay for the next run.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QSplitterHandle>
#include <QStatusBar>
#include <QWheelEvent>

#include "gui_fixture.h"
#include "render/core/view_keys.h"
#include "render/core/view_state.h"
#include "state/selection_state.h"
#include "ui/windows/control_panel.h"

using namespace opt;
using namespace opt::guitest;

namespace {

// The mean place of the lit pixels lies within a tenth of the view's side of its middle.
bool Centred(const QImage& picture) {
    const QPointF off = LitAreaOf(picture).Centre - QRectF(picture.rect()).center();
    return std::abs(off.x()) < picture.width() / 10.0 && std::abs(off.y()) < picture.height() / 10.0;
}

// A notch of the mouse wheel on the middle of the view, away from the user (positive) or back.
void Wheel(QWidget& view, int notches) {
    const QPointF at = QRectF(view.rect()).center();
    QWheelEvent e(at, view.mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, {}, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(&view, &e);
}

bool Activated(QWidget& w) {
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w, 20000);
}

int TextWidth(const QWidget* w, const QString& text) {
    return QFontMetrics(w->font()).horizontalAdvance(text);
}

// Every shown row of the list box is at least as wide as its text.
void CheckRowsWhole(ListBox& sb) {
    for (int row = 0; row < sb.model()->rowCount(); ++row) {
        const QModelIndex index = sb.model()->index(row, 0);
        const int needed = TextWidth(&sb, index.data().toString());
        QVERIFY2(sb.visualRect(index).width() >= needed, qPrintable(index.data().toString()));
    }
}

}  // namespace

class ViewerUsabilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitApplication(App()); }

    void listingLinesShowWholeAndNewLinesComeToTheTop() {
        RunningApp app;
        app.viewer().OpenModelFile(DEMO_MODEL_PATH);
        ListBox& sb = app.viewer().SB();
        app.viewer().Item(QStringLiteral("MainFileInfoList1"))->trigger();
        const int first = sb.Count();
        app.viewer().Item(QStringLiteral("FaceData1"))->trigger();
        QTest::qWait(20);
        CheckRowsWhole(sb);
        QVERIFY(sb.horizontalScrollBar()->maximum() > 0);  // wider than the box: it scrolls sideways
        QCOMPARE(sb.indexAt(QPoint(2, 2)).row(), first);   // the listing's first line at the top
    }

    void splitterDragReloadsOnlyWhenTheHandleIsLetGo() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        QSplitterHandle* handle = app.viewer().Splitter1()->handle(1);
        const int loads = app.view().LoadCount;
        const QPoint grip(handle->width() / 2, handle->height() / 2);
        const int from = handle->x();
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, grip - QPoint(80, 0));
        QTest::qWait(20);
        // While the button is down the handle follows the mouse and nothing reloads.
        QCOMPARE(handle->x(), from - 80);
        QCOMPARE(app.view().LoadCount, loads);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(80, 0));
        QTest::qWait(20);
        QCOMPARE(app.view().LoadCount, loads + 1);
        QCOMPARE(app.viewer().p()->width(), app.viewer().p()->height());
        QCOMPARE(handle->x(), app.viewer().p()->width());
    }

    void startsSquareWithTheHintAndThePanelBesideTheViewer() {
        RunningApp app;
        TGLW& viewer = app.viewer();
        QVERIFY(viewer.p()->height() > 200);
        QCOMPARE(viewer.p()->width(), viewer.p()->height());
        // The hint says where to go, whole, until the control panel is first shown.
        QLabel* hint = viewer.Bar().Panel(2);
        QVERIFY(hint->text().contains(QStringLiteral("Space")));
        QVERIFY(hint->contentsRect().width() >= TextWidth(hint, hint->text()));
        app.OpenModel(GapModel(), "ship.opt");
        viewer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&viewer, 20000));
        QTest::keyClick(&viewer, Qt::Key_Space);
        QVERIFY(hint->text().isEmpty());
        // The panel at its real size, beside the viewer and in front with the keyboard.
        TML& panel = app.panel();
        QTRY_VERIFY(panel.isActiveWindow());
        QVERIFY(panel.height() >= panel.minimumSizeHint().height());
        QVERIFY(!panel.frameGeometry().intersects(viewer.frameGeometry()));
        QVERIFY(panel.screen()->availableGeometry().contains(panel.frameGeometry()));
        // Behind the viewer, Space brings it to the front again.
        viewer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&viewer, 20000));
        QTest::keyClick(&viewer, Qt::Key_Space);
        QTRY_VERIFY(panel.isActiveWindow());
        viewer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&viewer, 20000));
        viewer.Item(QStringLiteral("Panel1"))->trigger();
        QTRY_VERIFY(panel.isActiveWindow());
    }

    void statusTextsShowWholeAndTheLastPanelStretches() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        TGLW& viewer = app.viewer();
        // A notch of the wheel zooms out by 1.1, and the scale text follows.
        QWheelEvent notch(QPointF(20, 20), viewer.View().mapToGlobal(QPointF(20, 20)), {}, {0, -120},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&viewer.View(), &notch);
        QCOMPARE(viewer.Bar().Text(0), QStringLiteral("Scale= 0.909090936183929"));
        TML& panel = app.panel();
        panel.show();
        panel.LBClick(1);
        QTest::qWait(20);
        for (QLabel* label :
             {viewer.Bar().Panel(0), viewer.Bar().Panel(1), panel.Bar().Panel(2), panel.Bar().Panel(3)})
            QVERIFY2(label->contentsRect().width() >= TextWidth(label, label->text()),
                     qPrintable(label->text()));
        QLabel* last = panel.Bar().Panel(3);
        QVERIFY(last->geometry().right() >= panel.Bar().Bar()->width() - 8);
    }

    void frameModelCentresAModelAwayFromTheOriginAndTheWheelZoomsAboutTheMiddle() {
        RunningApp app;
        TGLW& viewer = app.viewer();
        GLView& view = viewer.View();
        viewer.OpenModelFile(MAXCAP_MODEL_PATH);
        // The load's fit leaves the board of meshes in the lower left corner.
        const LitArea loaded = LitAreaOf(view.grabFramebuffer());
        QVERIFY(loaded.Centre.x() < view.width() / 2.0 && loaded.Centre.y() > view.height() / 2.0);
        QVERIFY(Activated(viewer));
        QTest::mouseClick(&view, Qt::LeftButton, {}, view.rect().center());
        QTest::keyClick(&view, Qt::Key_Home);  // View > Frame Model
        QImage framed = view.grabFramebuffer();
        QVERIFY(Centred(framed));
        // Whole, with a margin on every side: no row cut off.
        QVERIFY(QRect(1, 1, view.width() - 2, view.height() - 2).contains(LitAreaOf(framed).Box));
        // A left drag turns it about its centre: it stays in the middle.
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseMove(&view, QPoint(150, 110));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(150, 110));
        QCOMPARE(app.view().AngleY, 50);
        QVERIFY(Centred(view.grabFramebuffer()));
        // Moved aside, a double-click with the middle button frames it again.
        QTest::mousePress(&view, Qt::RightButton, {}, QPoint(50, 50));
        QTest::mouseMove(&view, QPoint(10, 10));
        QTest::mouseRelease(&view, Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(!Centred(view.grabFramebuffer()));
        QTest::mouseDClick(&view, Qt::MiddleButton, {}, view.rect().center());
        framed = view.grabFramebuffer();
        QVERIFY(Centred(framed));

        // The wheel zooms by a factor about the middle: the model grows and stays in the middle.
        const double scale = app.view().ViewScale;
        Wheel(view, 3);
        QCOMPARE(app.view().ViewScale, scale * 1.1 * 1.1 * 1.1);
        QCOMPARE(viewer.Bar().Text(0), QString::fromStdString(ScaleStatusText(app.view())));
        QVERIFY(Centred(view.grabFramebuffer()));
        QVERIFY(LitAreaOf(view.grabFramebuffer()).Box.width() > LitAreaOf(framed).Box.width());
        // Back out as far as it goes: never to 0, the model still drawn.
        Wheel(view, -200);
        QCOMPARE(viewer.Bar().Text(0), QStringLiteral("Scale= 0.00999999977648258"));
        QVERIFY(CountNotBlack(view.grabFramebuffer()) > 0);
    }

    void relativeModelPathBecomesTheFullPath() {
        RunningApp app;
        app.WriteModel(GapModel(), "ship.opt");
        const QString before = QDir::currentPath();
        QDir::setCurrent(app.programDir.path());
        app.viewer().OpenModelFile("ship.opt");
        QDir::setCurrent(before);
        const std::string full = (app.ProgramPath() / "ship.opt").string();
        QCOMPARE(app.viewer().ModelPath(), full);
        QCOMPARE(app.viewer().windowTitle(), QString::fromStdString(full));
        QVERIFY(app.selection().ModelLoaded);
    }

    void settingsAndRecentFilesStayForTheNextRun() {
        QTemporaryDir settingsDir;
        const QString settings = settingsDir.filePath(QStringLiteral("settings.ini"));
        const std::string first = Local(settingsDir.filePath(QStringLiteral("one.opt")));
        const std::string second = Local(settingsDir.filePath(QStringLiteral("two.opt")));
        for (const std::string& path : {first, second}) optb::write_file(path, optb::build(GapModel()).bytes);
        QRect viewerPlace, panelPlace;
        {
            RunningApp app(true, settings);
            app.viewer().OpenModelFile(first);
            app.dialogs.openAnswers.push_back(second);
            app.viewer().Item(QStringLiteral("ReadVxfromOPt1"))->trigger();
            app.viewer().setGeometry(40, 50, 700, 380);
            app.panel().show();
            app.panel().move(760, 60);
            app.panel().CBTop()->click();
            QTest::qWait(50);
            viewerPlace = app.viewer().geometry();
            panelPlace = app.panel().geometry();
            // F5 reads the current model again.
            const int loads = app.view().LoadCount;
            app.viewer().Item(QStringLiteral("Reload1"))->trigger();
            QCOMPARE(app.view().LoadCount, loads + 1);
            app.viewer().close();
        }
        std::filesystem::remove(first);
        RunningApp again(true, settings);
        QCOMPARE(again.viewer().geometry(), viewerPlace);
        QCOMPARE(again.panel().geometry().topLeft(), panelPlace.topLeft());
        QVERIFY(again.panel().CBTop()->isChecked());
        QVERIFY(PanelWasOpen());
        QCOMPARE(again.viewer().LastDir(), std::filesystem::path(second).parent_path().string());
        auto* recent = again.viewer().findChild<QMenu*>(QStringLiteral("RecentFilesMenu"));
        emit recent->aboutToShow();
        const auto items = recent->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QString::fromStdString(second));
        QVERIFY(items[0]->isEnabled());
        QCOMPARE(items[1]->text(), QString::fromStdString(first));
        QVERIFY(!items[1]->isEnabled());  // gone from the disk: greyed out, still listed
        items[0]->trigger();
        QCOMPARE(again.viewer().ModelPath(), second);
        QVERIFY(again.selection().ModelLoaded);
    }
};

QTEST_MAIN(ViewerUsabilityTest)
#include "viewer_usability_test.moc"
