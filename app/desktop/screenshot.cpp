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
// A pixmap of `logical` size in device-independent pixels, drawn at the screen's pixel ratio.
QPixmap Canvas(QSize logical, qreal ratio) {
    QPixmap out(logical * ratio);
    out.setDevicePixelRatio(ratio);
    return out;
}

QPixmap Framed(QWidget& w) {
    constexpr int kTitle = 22;
    const QPixmap inside = w.grab();
    const QSize size = inside.deviceIndependentSize().toSize();
    QPixmap out = Canvas(QSize(size.width() + 2, size.height() + kTitle + 1), inside.devicePixelRatio());
    out.fill(QColor(60, 60, 60));
    QPainter painter(&out);
    painter.fillRect(QRect(1, 1, size.width(), kTitle - 1), QColor(40, 70, 110));
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 1, size.width() - 8, kTitle - 1), Qt::AlignVCenter, w.windowTitle());
    painter.drawPixmap(1, kTitle, inside);
    return out;
}

}  // namespace

bool TakeScreenshot(AppWindows& windows, const QString& path) {
    TGLW& viewer = *windows.glw;
    TML& panel = *windows.ml;
    // A view large enough to see the textures, and a list box wide enough to read its lines.
    viewer.resize(980, 460);
    panel.CBTop()->setChecked(true);  // the panel stays up while choices redraw
    panel.CBTopClick();
    viewer.ShowControlPanel();
    Settle(300);
    panel.move(viewer.frameGeometry().right() + 12, viewer.frameGeometry().top());
    // The textured display, then a listing beside it and a texture in the panel.
    panel.ModeButtonWidget(SBWire)->click();
    Settle(300);
    if (QAction* list = viewer.Item(QStringLiteral("MainFileInfoList1"))) list->trigger();
    ClickRow(panel.LB(), 0);
    ClickRow(panel.LBMESH(), 0);
    Settle(500);

    const QPixmap left = Framed(viewer);
    const QPixmap right = Framed(panel);
    constexpr int kGap = 12;
    const QSize l = left.deviceIndependentSize().toSize();
    const QSize r = right.deviceIndependentSize().toSize();
    QPixmap both =
        Canvas(QSize(l.width() + kGap + r.width() + 2 * kGap, std::max(l.height(), r.height()) + 2 * kGap),
               left.devicePixelRatio());
    both.fill(QColor(32, 32, 36));
    QPainter painter(&both);
    painter.drawPixmap(kGap, kGap, left);
    painter.drawPixmap(2 * kGap + l.width(), kGap, right);
    painter.end();
    return both.save(path, "PNG");
}

}  // namespace opt
