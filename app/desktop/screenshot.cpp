#include "screenshot.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QThread>
#include <QToolButton>

#include "ui/windows/control_panel.h"
#include "ui/windows/startup.h"
#include "ui/windows/viewer_window.h"

namespace opt {

namespace {

void Settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

void ClickRow(QListWidget* list, int row) {
    if (row < list->count()) list->setCurrentRow(row);
}

// One window's picture under a plain title bar with its caption.
QPixmap Framed(QWidget& w) {
    constexpr int kTitle = 22;
    const QPixmap inside = w.grab();
    QPixmap out(inside.width() + 2, inside.height() + kTitle + 1);
    out.fill(QColor(60, 60, 60));
    QPainter painter(&out);
    painter.fillRect(QRect(1, 1, inside.width(), kTitle - 1), QColor(40, 70, 110));
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 1, inside.width() - 8, kTitle - 1), Qt::AlignVCenter, w.windowTitle());
    painter.drawPixmap(1, kTitle, inside);
    return out;
}

}  // namespace

bool TakeScreenshot(AppWindows& windows, const QString& path) {
    TGLW& viewer = *windows.glw;
    TML& panel = *windows.ml;
    panel.CBTop()->setChecked(true);  // the panel stays up while choices redraw
    panel.CBTopClick();
    panel.show();
    panel.move(viewer.frameGeometry().right() + 12, viewer.frameGeometry().top());
    Settle(300);
    if (QAction* list = viewer.Item(QStringLiteral("MeshInfo1"))) list->trigger();
    ClickRow(panel.LB(), 0);
    ClickRow(panel.LBMESH(), 0);
    // The selected vertex marked in the view, its coordinates in the memo.
    panel.ModeButtonWidget(SBVx)->click();
    ClickRow(panel.LBVx(), 2);
    Settle(500);

    const QPixmap left = Framed(viewer);
    const QPixmap right = Framed(panel);
    constexpr int kGap = 12;
    QPixmap both(left.width() + kGap + right.width() + 2 * kGap,
                 std::max(left.height(), right.height()) + 2 * kGap);
    both.fill(QColor(32, 32, 36));
    QPainter painter(&both);
    painter.drawPixmap(kGap, kGap, left);
    painter.drawPixmap(2 * kGap + left.width(), kGap, right);
    painter.end();
    return both.save(path, "PNG");
}

}  // namespace opt
