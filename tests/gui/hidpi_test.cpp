// The windows at twice the scale (QT_SCALE_FACTOR=2, set before the application starts, as a user
// with a HiDPI screen has it): the control panel fits the screen, and the view draws its points and
// lines at the device pixel ratio, so markers keep their size on the screen.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

#include "gui_fixture.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/edit_controls.h"
#include "ui/windows/list_box.h"
#include "ui/windows/status_panels.h"

using namespace opt;
using namespace opt::guitest;

namespace {

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// The share of the pixels of `colour` that lie in a run of at least two such pixels both across and
// down: most of a line two pixels wide, next to none of a line one pixel wide.
double ShareInThickRuns(const QImage& img, QRgb colour) {
    const auto is = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < img.width() && y < img.height() &&
               (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    };
    int all = 0, thick = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (!is(x, y)) continue;
            ++all;
            thick += (is(x - 1, y) || is(x + 1, y)) && (is(x, y - 1) || is(x, y + 1));
        }
    return all > 0 ? double(thick) / all : 0.0;
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        InitApplication(App());
        QCOMPARE(App().devicePixelRatio(), 2.0);
    }

    void theControlPanelFitsTheScreenBesideTheView() {
        RunningApp app;
        TGLW& viewer = app.viewer();
        TML& panel = app.panel();
        const QRect area = viewer.screen()->availableGeometry();
        viewer.OpenModelFile(DEMO_MODEL_PATH);
        panel.CBTop()->click();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QVERIFY(area.contains(panel.frameGeometry()));
        // With the edit area shown too, its lists shrink rather than grow the panel past the screen.
        QTest::mouseClick(panel.ModeButtonWidget(SBHZED), Qt::LeftButton);
        ClickRow(panel.Edit().LBED, 0);
        QTest::qWait(20);
        QVERIFY(panel.Edit().RP->isVisible());
        QVERIFY(panel.minimumSizeHint().height() <= area.height());
        QVERIFY(area.contains(panel.frameGeometry()));
        // Where the screen leaves room for the view beside the narrowest panel (1600 x 1000 at twice the
        // scale does), the panel does not cover the view.
        const QRect view(viewer.View().mapToGlobal(QPoint(0, 0)), viewer.View().size());
        if (area.width() - view.right() > panel.minimumSizeHint().width())
            QVERIFY(!panel.frameGeometry().intersects(view));
    }

    void theNoModelNoteShowsWholeInTheNarrowViewer() {
        RunningApp app;
        TGLW& viewer = app.viewer();
        viewer.OpenModelFile(DEMO_MODEL_PATH);
        viewer.Item(QStringLiteral("ReadVxfromOPt1"))->trigger();  // the open dialog, cancelled
        QTest::qWait(20);
        QLabel* note = viewer.Bar().Panel(2);
        QVERIFY(note->text().startsWith(QStringLiteral("No model open")));
        // The note's panel holds its text, and the panel after it starts past its end, inside the bar.
        QVERIFY(note->width() >= note->fontMetrics().horizontalAdvance(note->text()));
        QLabel* last = viewer.Bar().Panel(3);
        QVERIFY(last->x() >= note->geometry().right());
        QVERIFY(last->geometry().right() < viewer.Bar().Bar()->width());
        QVERIFY(viewer.screen()->availableGeometry().contains(viewer.frameGeometry()));
        // The empty list box's hint is wider than its pane here: it goes on to another line rather
        // than running past the pane's edge.
        const QImage hint = viewer.SB().viewport()->grab().toImage();
        QVERIFY(LitAreaOf(hint).Box.right() < hint.width() - 4);
        QVERIFY(LitAreaOf(hint).Box.height() > 2 * viewer.SB().fontMetrics().height());
    }

    void pointsAndLinesAreDrawnAtTheDevicePixelRatio() {
        RunningApp app;
        TGLW& viewer = app.viewer();
        TML& panel = app.panel();
        viewer.OpenModelFile(DEMO_MODEL_PATH);
        panel.CBTop()->click();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QTest::mouseClick(panel.ModeButtonWidget(SBVx), Qt::LeftButton);
        ClickRow(panel.LBMESH(), 0);
        ClickRow(panel.LBVx(), 2);
        QCOMPARE(app.selection().SelectedVertex, 2);
        const QImage picture = viewer.View().grabFramebuffer();
        QCOMPARE(picture.size(), viewer.View().size() * 2);  // device pixels
        // The selected vertex: a point of 2 x 2 window pixels, 4 x 4 device pixels.
        QVERIFY2(CountColour(picture, qRgb(255, 0, 0)) >= 16,
                 qPrintable(QString::number(CountColour(picture, qRgb(255, 0, 0)))));
        // The outlines two device pixels wide.
        const double share = ShareInThickRuns(picture, qRgb(0, 26, 230));
        QVERIFY2(share > 0.5, qPrintable(QString::number(share)));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "hidpi_test.moc"
