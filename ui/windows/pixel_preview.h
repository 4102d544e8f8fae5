// The control panel's texture picture Image: the texture scaled to fill the area it is given, its
// aspect kept, with nearest-neighbour pixels (every texel a crisp block, no smoothing), drawn from
// the top-left corner. pixmap() is the texture at its own size.
#pragma once

#include <QLabel>

namespace opt {

class PixelPreview : public QLabel {
public:
    using QLabel::QLabel;
    // Where the picture is drawn inside the widget (empty without a picture).
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace opt
