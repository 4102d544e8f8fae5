#include "ui/windows/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/windows/startup.h"

namespace opt {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 480);
}

QString HelpWindow::PageFor(const std::string& helpFile) {
    QString name = QString::fromStdString(helpFile);
    if (name.endsWith(QStringLiteral(".hlp"), Qt::CaseInsensitive)) name.chop(4);
    return QStringLiteral("qrc:/help/%1.html").arg(name);
}

void HelpWindow::ShowContext(const std::string& helpFile, int context) {
    QUrl page(PageFor(helpFile));
    page.setFragment(QStringLiteral("section%1").arg(context));
    browser_->setSource(page);
    setWindowTitle(browser_->documentTitle());
    if (!isVisible()) FitOnScreen(*this);  // where the user moved it, it stays
    show();
    raise();
    activateWindow();
}

}  // namespace opt
