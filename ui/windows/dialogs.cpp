#include "ui/windows/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>

#include "ui/windows/help_window.h"

namespace opt {

namespace {

QString Local8(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size()));
}

class QtDialogs : public Dialogs {
public:
    void Message(const std::string& text) override {
        QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), Local8(text));
    }
    void Error(const std::string& text) override {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), Local8(text));
    }
    bool Ask(const std::string& question) override {
        return QMessageBox::question(QApplication::activeWindow(), QApplication::applicationName(),
                                     Local8(question), QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }
    std::optional<std::string> ChooseOpenFile(const std::string& startDir,
                                              const std::string& filter) override {
        const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                          Local8(startDir), QtFileFilter(filter));
        if (path.isEmpty()) return std::nullopt;
        return path.toLocal8Bit().toStdString();
    }
    void ShowHelp(const std::string& helpFile, int context) override {
        static HelpWindow* help = new HelpWindow;  // lives as long as the program, like the other windows
        help->ShowContext(helpFile, context);
    }
    void RunModal(QDialog& dialog) override { dialog.exec(); }
};

class StandardErrorOnly : public Dialogs {
public:
    void Message(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void Error(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool Ask(const std::string& question) override {
        std::fprintf(stderr, "%s No\n", question.c_str());
        return false;
    }
    std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void ShowHelp(const std::string&, int) override {}
    void RunModal(QDialog&) override {}
};
}  // namespace

std::optional<std::string> Dialogs::ChooseSaveFile(const std::string& suggestedPath,
                                                   const std::string& filter) {
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                      Local8(suggestedPath), QtFileFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toLocal8Bit().toStdString();
}

namespace {

Dialogs*& Installed() {
    static Dialogs* installed = nullptr;
    return installed;
}

}  // namespace

Dialogs& TheDialogs() {
    static QtDialogs qt;
    Dialogs* d = Installed();
    return d != nullptr ? *d : qt;
}

void SetDialogs(Dialogs* dialogs) { Installed() = dialogs; }

Dialogs& StandardErrorDialogs() {
    static StandardErrorOnly dialogs;
    return dialogs;
}

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return entries.join(QStringLiteral(";;"));
}

}  // namespace opt
