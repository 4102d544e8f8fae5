#include "ui/windows/pixel_preview.h"

#include <QPainter>
#include <algorithm>

namespace opt {

QRect PixelPreview::PictureRect() const {
    const QPixmap picture = pixmap();
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) return {};
    const QRect area = contentsRect();
    const double scale =
        std::min(double(area.width()) / picture.width(), double(area.height()) / picture.height());
    return {area.topLeft(),
            QSize(std::max(1, int(picture.width() * scale)), std::max(1, int(picture.height() * scale)))};
}

void PixelPreview::paintEvent(QPaintEvent*) {
    const QRect target = PictureRect();
    if (target.isEmpty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(target, pixmap());
}

}  // namespace opt
