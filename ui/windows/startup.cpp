#include "ui/windows/startup.h"

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <algorithm>

#include "edit/core/write_journal.h"
#include "render/gl/gl_view.h"
#include "ui/windows/about_box.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/edit_area_binding.h"
#include "ui/windows/flag_edit.h"
#include "ui/windows/palette_panel.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/viewer_window.h"
#include "ui/windows/widget_sinks.h"
#include "ui/windows/window_model.h"

// The help page and the About picture are built into the library (zedaruz.qrc).
static void InitShippedResources() { Q_INIT_RESOURCE(zedaruz); }

namespace opt {

namespace {
std::string& HelpFile() {
    static std::string file;
    return file;
}
}  // namespace

void InitApplication(QApplication& app) {
    app.setApplicationName(QString::fromLatin1(kApplicationTitle));
    HelpFile() = kHelpFileName;
    InitShippedResources();
}

char LocaleDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? point[0].toLatin1() : '.';
}

const std::string& ApplicationHelpFile() {
    if (HelpFile().empty()) HelpFile() = kHelpFileName;
    return HelpFile();
}

AppWindows::AppWindows() = default;
AppWindows::AppWindows(AppWindows&&) noexcept = default;

AppWindows& AppWindows::operator=(AppWindows&& other) noexcept {
    if (this == &other) return *this;
    Reset();
    model = std::move(other.model);
    glw = std::move(other.glw);
    ml = std::move(other.ml);
    about = std::move(other.about);
    flagEdit = std::move(other.flagEdit);
    pa = std::move(other.pa);
    return *this;
}

AppWindows::~AppWindows() { Reset(); }

void AppWindows::Reset() {
    // The editors live in the control panel; nothing may point into it once it is gone.
    if (glw) {
        glw->SetEditorRelease({});
    }
    if (ml) ml->SetFE1DblClick({});
    pa.reset();
    flagEdit.reset();
    about.reset();
    ml.reset();
    glw.reset();
    model.reset();
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void BringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void PlaceBeside(QWidget& viewer, QWidget& panel) {
    // The panel's lists can make it larger than designed: lay it out before measuring it.
    panel.ensurePolished();
    if (panel.layout() != nullptr) panel.layout()->activate();
    panel.resize(panel.size().expandedTo(panel.minimumSizeHint()));
    const QScreen* screen = viewer.screen() != nullptr ? viewer.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    constexpr int kGap = 8;
    const QSize v = viewer.frameGeometry().size();
    const QSize p = panel.frameGeometry().size().expandedTo(panel.size());
    if (v.width() + kGap + p.width() > area.width()) {
        CentreOnScreen(viewer);
        CentreOnScreen(panel);
        return;
    }
    const int left = area.left() + (area.width() - v.width() - kGap - p.width()) / 2;
    const int top = area.top() + std::max(0, (area.height() - std::max(v.height(), p.height())) / 2);
    viewer.move(left, top);
    panel.move(left + v.width() + kGap, top);
}

namespace {

// The editors between the windows: the lookup folder the viewer prepared, the editors freed when the
// viewer closes, and FE1's double-click.
void ConnectEditors(AppWindows& w) {
    EditArea& edit = w.ml->EditBinding().Area();
    edit.AppDataDir = TheDirs().AppDataDir;
    edit.JournalPath = JournalFilePath(TheDirs().SaveDataDir);
    w.glw->SetEditorRelease([&edit] { edit.ReleaseEditors(); });
    TML* ml = w.ml.get();
    TFlagEdit* flags = w.flagEdit.get();
    ml->SetFE1DblClick([ml, flags] { ShowFlagsOf(*flags, FromLatin1(ml->FE1()->text())); });
}

}  // namespace

AppWindows CreateWindows(const ProgramFolders& folders) {
    AppWindows w;
    w.model = std::make_unique<WindowModel>();
    w.model->Store.Decimal_Separator = LocaleDecimalSeparator();
    w.glw = std::make_unique<TGLW>(folders, *w.model);
    w.ml = std::make_unique<TML>(*w.model);
    w.about = std::make_unique<TAboutBox>();
    w.flagEdit = std::make_unique<TFlagEdit>();
    w.pa = std::make_unique<TPa>(w.model->Store);
    w.glw->SetPeers(w.ml.get(), w.pa.get(), w.about.get());
    w.ml->SetViewer(w.glw.get());
    w.ml->SetPalettePanel(w.pa.get());
    ConnectEditors(w);
    PlaceBeside(*w.glw, *w.ml);
    CentreOnScreen(*w.about);
    w.glw->RestoreSettings();
    return w;
}

}  // namespace opt
