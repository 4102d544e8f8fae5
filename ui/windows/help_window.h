// The in-app help viewer: shows the program's own help page, shipped with it, at a numbered section.
#pragma once

#include <QWidget>
#include <string>

class QTextBrowser;

namespace opt {

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the page that stands for the help file (its name with ".html" for ".hlp"), scrolled to
    // the section numbered `context`.
    void ShowContext(const std::string& helpFile, int context);
    // The page's resource path for a help file name.
    static QString PageFor(const std::string& helpFile);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace opt
