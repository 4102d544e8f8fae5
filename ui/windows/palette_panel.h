// The palette panel TPa ("Palettes"): the list of palette numbers that the palette listing fills,
// and a 16 x 16 grid of the chosen palette's colours drawn by SB1.
#pragma once

#include <QImage>
#include <QWidget>

class QListWidget;
class QToolButton;

namespace opt {

struct ModelStore;

class TPa : public QWidget {
public:
    // store: the model whose palettes SB1 draws, which outlives the panel.
    explicit TPa(const ModelStore& store, QWidget* parent = nullptr);

    QListWidget* LB() const { return LB_; }
    QToolButton* SB1() const { return SB1_; }

    // A click on an entry of LB enables SB1.
    void LBClick();
    // Draws the palette of the selected entry as 16 x 16 squares, then disables SB1. Nothing is
    // drawn when no entry is selected.
    void SB1Click();

    // Top-left corner of the square of colour index j.
    static QPoint SquareCorner(int j);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ModelStore& store_;
    QListWidget* LB_;
    QToolButton* SB1_;
    QImage grid_;  // the squares drawn last; transparent until SB1 is used
};

}  // namespace opt
