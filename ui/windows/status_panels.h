// A status bar of text panels, as the viewer window and the control panel have. Each panel is at
// least its designed width and grows to show its text whole; the last one stretches to the bar's
// right edge.
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

class QLabel;
class QStatusBar;

namespace opt {

class StatusPanels {
public:
    // Adds one panel per width to the bar, left to right.
    StatusPanels(QStatusBar* bar, std::initializer_list<int> widths);
    // Latin-1 text (the model's and the Parts' texts).
    void SetText(int panel, const std::string& text);
    void SetText(int panel, const QString& text);
    QString Text(int panel) const;
    QLabel* Panel(int panel) const;
    QStatusBar* Bar() const { return bar_; }

private:
    // Widens the bar's window where its panels need more room than it has.
    void HoldPanels();

    QStatusBar* bar_;
    std::vector<QLabel*> panels_;
    std::vector<int> widths_;
};

}  // namespace opt
