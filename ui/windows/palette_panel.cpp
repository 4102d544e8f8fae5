#include "ui/windows/palette_panel.h"

#include <QListWidget>
#include <QPainter>
#include <QToolButton>

#include "model/store.h"
#include "ui/windows/error_guard.h"
#include "ui/windows/list_click.h"

namespace opt {

namespace {
constexpr int kSquarePitch = 11;  // 10-pixel squares with a 1-pixel gap
constexpr int kSquareSide = 10;
constexpr int kGridSide = 176;  // (0, 0) to (175, 175)
}  // namespace

TPa::TPa(const ModelStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window),
      store_(store),
      LB_(new QListWidget(this)),
      SB1_(new QToolButton(this)),
      grid_(kGridSide, kGridSide, QImage::Format_ARGB32_Premultiplied) {
    setObjectName(QStringLiteral("TPa"));
    setWindowTitle(QStringLiteral("Palettes"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(249, 206);
    grid_.fill(Qt::transparent);

    LB_->setObjectName(QStringLiteral("LB"));
    LB_->setGeometry(192, 32, 49, 65);
    LB_->setToolTip(QStringLiteral("choose available aplette"));
    LB_->setSelectionMode(QAbstractItemView::SingleSelection);
    SB1_->setObjectName(QStringLiteral("SB1"));
    SB1_->setGeometry(216, 8, 15, 15);
    SB1_->setToolTip(QStringLiteral("show selected palette"));
    SB1_->setAutoRaise(true);
    SB1_->setArrowType(Qt::DownArrow);
    SB1_->setEnabled(false);

    OnListClick(LB_, [this](int) { LBClick(); });
    connect(SB1_, &QToolButton::clicked, this, Guarded([this] { SB1Click(); }));
}

void TPa::LBClick() { SB1_->setEnabled(true); }

QPoint TPa::SquareCorner(int j) { return {kSquarePitch * (j % 16), kSquarePitch * (j / 16)}; }

void TPa::SB1Click() {
    const int i = LB_->currentRow();
    if (i >= 0 && i < static_cast<int>(store_.Palettes.size())) {
        const auto& planes = store_.Palettes[static_cast<size_t>(i)];
        grid_.fill(Qt::transparent);
        QPainter painter(&grid_);
        painter.setPen(Qt::black);
        for (int j = 0; j < kPaletteEntries; ++j) {
            painter.setBrush(QColor(planes[0][j], planes[1][j], planes[2][j]));
            // The outline is part of the 10 x 10 square, as the corner (x + 10, y + 10) is outside it.
            painter.drawRect(QRect(SquareCorner(j), QSize(kSquareSide - 1, kSquareSide - 1)));
        }
        update();
    }
    SB1_->setEnabled(false);
}

void TPa::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(0, 0, grid_);
}

}  // namespace opt
