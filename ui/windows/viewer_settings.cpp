// What the viewer window remembers between runs, and the File menu items built on it: Reload,
// Recent Files, and the window places, splitter and control-panel state.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QMenu>
#include <QSplitter>
#include <filesystem>

#include "ui/windows/control_panel.h"
#include "ui/windows/error_guard.h"
#include "ui/windows/palette_panel.h"
#include "ui/windows/settings.h"
#include "ui/windows/viewer_window.h"
#include "ui/windows/window_model.h"

namespace opt {

namespace {

QString Key(const char* key) { return QString::fromLatin1(key); }

QString Local(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size()));
}

void RestoreGeometry(QWidget* window, const char* key) {
    const QByteArray geometry = AppSettings().value(Key(key)).toByteArray();
    if (window != nullptr && !geometry.isEmpty()) window->restoreGeometry(geometry);
}

}  // namespace

void TGLW::AddFileExtras(QMenu* file) {
    QAction* reload = file->addAction(QStringLiteral("Reload"));
    reload->setObjectName(QStringLiteral("Reload1"));
    reload->setShortcut(QKeySequence(Qt::Key_F5));
    reload->setStatusTip(QStringLiteral("Read the current model again from disk"));
    connect(reload, &QAction::triggered, this, Guarded([this] { ReloadClick(); }));
    recentMenu_ = file->addMenu(QStringLiteral("Recent Files"));
    recentMenu_->setObjectName(QStringLiteral("RecentFilesMenu"));
    recentMenu_->menuAction()->setObjectName(QStringLiteral("RecentFiles1"));
    // Built when it opens, so a file deleted since shows greyed out.
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    FillRecentMenu();
}

void TGLW::FillRecentMenu() {
    recentMenu_->clear();
    const std::vector<std::string> files = RecentFiles();
    for (const std::string& path : files) {
        QAction* item = recentMenu_->addAction(Local(path));
        std::error_code ec;
        const bool present = std::filesystem::is_regular_file(path, ec);
        item->setEnabled(present);
        if (!present) item->setStatusTip(QStringLiteral("File not found"));
        connect(item, &QAction::triggered, this, Guarded([this, path] { OpenRecentFile(path); }));
    }
    if (files.empty()) recentMenu_->addAction(QStringLiteral("(none)"))->setEnabled(false);
}

void TGLW::RememberOpened(const std::string& path) {
    // Only a model that loaded joins the list; the folder is remembered for the open dialog at once.
    AppSettings().setValue(Key(setting::kLastDir), Local(lastDir_));
    if (!model_.Selection.ModelLoaded) return;
    SetRecentFiles(WithRecentFile(RecentFiles(), path));
    FillRecentMenu();
}

void TGLW::RestoreSettings() {
    QSettings& s = AppSettings();
    lastDir_ = s.value(Key(setting::kLastDir)).toString().toLocal8Bit().toStdString();
    RestoreGeometry(this, setting::kViewerGeometry);
    RestoreGeometry(ml_, setting::kPanelGeometry);
    RestoreGeometry(pa_, setting::kPalettesGeometry);
    const QByteArray splitter = s.value(Key(setting::kSplitter)).toByteArray();
    if (!splitter.isEmpty()) Splitter1_->restoreState(splitter);
    if (ml_ != nullptr && s.value(Key(setting::kKeepOnTop), false).toBool()) {
        ml_->CBTop()->setChecked(true);
        ml_->CBTopClick();
    }
}

bool PanelWasOpen() { return AppSettings().value(Key(setting::kPanelOpen), false).toBool(); }

void TGLW::SaveSettings() const {
    QSettings& s = AppSettings();
    s.setValue(Key(setting::kViewerGeometry), saveGeometry());
    s.setValue(Key(setting::kSplitter), Splitter1_->saveState());
    s.setValue(Key(setting::kLastDir), Local(lastDir_));
    if (ml_ != nullptr) {
        s.setValue(Key(setting::kPanelGeometry), ml_->saveGeometry());
        s.setValue(Key(setting::kPanelOpen), ml_->isVisible());
        s.setValue(Key(setting::kKeepOnTop), ml_->CBTop()->isChecked());
    }
    if (pa_ != nullptr) s.setValue(Key(setting::kPalettesGeometry), pa_->saveGeometry());
    s.sync();
}

}  // namespace opt
