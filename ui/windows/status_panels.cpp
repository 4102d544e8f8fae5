#include "ui/windows/status_panels.h"

#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

namespace opt {

StatusPanels::StatusPanels(QStatusBar* bar, std::initializer_list<int> widths) : bar_(bar), widths_(widths) {
    bar_->setSizeGripEnabled(false);
    int n = 0;
    for (int width : widths) {
        auto* panel = new QLabel(bar_);
        panel->setObjectName(QStringLiteral("Panel%1").arg(n));
        panel->setMinimumWidth(width);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        const bool last = ++n == static_cast<int>(widths.size());
        if (!last) panel->setMaximumWidth(width);
        bar_->addWidget(panel, last ? 1 : 0);
        panels_.push_back(panel);
    }
}

QLabel* StatusPanels::Panel(int panel) const {
    if (panel < 0 || static_cast<size_t>(panel) >= panels_.size()) return nullptr;
    return panels_[static_cast<size_t>(panel)];
}

void StatusPanels::SetText(int panel, const std::string& text) {
    SetText(panel, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void StatusPanels::SetText(int panel, const QString& shown) {
    QLabel* label = Panel(panel);
    if (label == nullptr) return;
    label->setText(shown);
    // A text wider than the designed width widens its panel instead of being cut.
    const int needed =
        label->fontMetrics().horizontalAdvance(shown) + 2 * label->frameWidth() + 2 * label->margin() + 6;
    const int width = std::max(widths_[static_cast<size_t>(panel)], needed);
    label->setMinimumWidth(width);
    if (static_cast<size_t>(panel) + 1 < panels_.size()) label->setMaximumWidth(width);
    HoldPanels();
}

void StatusPanels::HoldPanels() {
    // A narrow window (a screen at twice the scale) would let the panels overlap: the window grows
    // to hold them all, as far as its screen allows.
    QWidget* window = bar_->window();
    if (window == nullptr || window->width() >= bar_->minimumSizeHint().width()) return;
    int width = bar_->minimumSizeHint().width();
    if (const QScreen* screen = window->screen())
        width = std::min(
            width, screen->availableGeometry().width() - (window->frameGeometry().width() - window->width()));
    if (width > window->width()) window->resize(width, window->height());
}

QString StatusPanels::Text(int panel) const {
    const QLabel* label = Panel(panel);
    return label != nullptr ? label->text() : QString();
}

}  // namespace opt
