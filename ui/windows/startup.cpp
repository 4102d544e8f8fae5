#include "ui/windows/startup.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include "listings/text_format.h"
#include "ui/windows/about_box.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/flag_edit.h"
#include "ui/windows/palette_panel.h"
#include "ui/windows/viewer_window.h"

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
    const QString point = QLocale::system().decimalPoint();
    SetDecimalSeparator(point.size() == 1 && point[0].unicode() < 0x80 ? point[0].toLatin1() : '.');
    InitShippedResources();
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
    glw = std::move(other.glw);
    ml = std::move(other.ml);
    about = std::move(other.about);
    flagEdit = std::move(other.flagEdit);
    pa = std::move(other.pa);
    return *this;
}

AppWindows::~AppWindows() { Reset(); }

void AppWindows::Reset() {
    pa.reset();
    flagEdit.reset();
    about.reset();
    ml.reset();
    glw.reset();
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

AppWindows CreateWindows(const std::filesystem::path& programDir) {
    AppWindows w;
    w.glw = std::make_unique<TGLW>(programDir);
    w.ml = std::make_unique<TML>();
    w.about = std::make_unique<TAboutBox>();
    w.flagEdit = std::make_unique<TFlagEdit>();
    w.pa = std::make_unique<TPa>();
    w.glw->SetPeers(w.ml.get(), w.pa.get(), w.about.get());
    w.ml->SetViewer(w.glw.get());
    w.ml->SetPalettePanel(w.pa.get());
    CentreOnScreen(*w.glw);
    CentreOnScreen(*w.ml);
    CentreOnScreen(*w.about);
    return w;
}

}  // namespace opt
