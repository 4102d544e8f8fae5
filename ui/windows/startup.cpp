#include "ui/windows/startup.h"

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
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

namespace {

// The area of the screen the window is on that windows may take.
QRect AvailableArea(const QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace

void CentreOnScreen(QWidget& window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}

void BringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void FitOnScreen(QWidget& window) {
    const QRect area = AvailableArea(window);
    if (area.isEmpty()) return;
    window.resize(window.size().boundedTo(area.size()));
    CentreOnScreen(window);
}

void PlaceAtStart(TGLW& viewer, QWidget& panel) {
    // The panel's lists can make it larger than designed: lay it out before measuring it.
    panel.ensurePolished();
    if (panel.layout() != nullptr) panel.layout()->activate();
    const QRect area = AvailableArea(viewer);
    if (area.isEmpty()) return;
    constexpr int kGap = 8;
    const int splitter = viewer.Splitter1()->handleWidth();
    const int bars = viewer.menuBar()->sizeHint().height() + viewer.statusBar()->sizeHint().height();
    const int panelMin = panel.minimumSizeHint().width();
    QSize p = panel.size().expandedTo(panel.minimumSizeHint()).boundedTo(area.size());

    // The view about half the screen's height, and a list pane beside it about as wide, at least two
    // thirds of the view's width; the view smaller (down to a third of the screen's height) where the
    // panel needs the room.
    const int room = area.width() - kGap - p.width() - splitter;  // for the view and the list pane
    int side = std::min(area.height() / 2, room * 3 / 5);
    const bool beside = side >= area.height() / 3;
    int width = 0;
    if (beside) {
        width = side + splitter + std::min(room - side, 2 * side);
    } else {
        side = area.height() / 2;
        width = std::min(area.width(), 2 * side + splitter);
        // The panel as narrow as it can be, where that keeps the view clear of it.
        p.setWidth(std::max(panelMin, std::min(p.width(), area.width() - side - splitter - kGap)));
    }
    viewer.resize(width, side + bars);
    panel.resize(p);
    const int top = area.top() + std::max(0, (area.height() - std::max(side + bars, p.height())) / 2);
    if (beside) {
        const int left = area.left() + (area.width() - width - kGap - p.width()) / 2;
        viewer.move(left, top);
        panel.move(left + width + kGap, top);
    } else {
        viewer.move(area.left(), top);
        panel.move(area.right() + 1 - p.width(), top);
    }
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
    PlaceAtStart(*w.glw, *w.ml);
    CentreOnScreen(*w.about);
    w.glw->RestoreSettings();
    return w;
}

}  // namespace opt
