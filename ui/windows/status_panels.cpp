#include "ui/windows/status_panels.h"

#include <QLabel>
#include <QStatusBar>

namespace opt {

StatusPanels::StatusPanels(QStatusBar* bar, std::initializer_list<int> widths) : bar_(bar) {
    bar_->setSizeGripEnabled(false);
    int n = 0;
    for (int width : widths) {
        auto* panel = new QLabel(bar_);
        panel->setObjectName(QStringLiteral("Panel%1").arg(n++));
        panel->setFixedWidth(width);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar_->addWidget(panel);
        panels_.push_back(panel);
    }
}

void StatusPanels::SetText(int panel, const std::string& text) {
    if (panel < 0 || static_cast<size_t>(panel) >= panels_.size()) return;
    panels_[static_cast<size_t>(panel)]->setText(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

QString StatusPanels::Text(int panel) const {
    if (panel < 0 || static_cast<size_t>(panel) >= panels_.size()) return {};
    return panels_[static_cast<size_t>(panel)]->text();
}

}  // namespace opt
