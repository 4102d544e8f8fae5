// zedaruz [FILE]: the viewer window, the control panel and their small windows. With FILE the
// program opens that model at start as "Read OPt" does once the dialog has given it.
#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/memory_reuse.h"
#include "platform/program_folders.h"
#include "render/gl/gl_view.h"
#include "screenshot.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/error_guard.h"
#include "ui/windows/settings.h"
#include "ui/windows/startup.h"
#include "ui/windows/viewer_window.h"

namespace {

struct Arguments {
    QString modelFile;
    QString screenshot;  // --screenshot PATH: picture of both windows, then exit
    bool ok = true;
};

Arguments ParseArguments(const QStringList& args) {
    Arguments a;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--screenshot") && i + 1 < args.size())
            a.screenshot = args[++i];
        else if (a.modelFile.isEmpty() && !args[i].startsWith(QStringLiteral("--")))
            a.modelFile = args[i];
        else
            a.ok = false;
    }
    return a;
}

// The GL view makes its context when the window first appears; a model opened before that would
// have nothing to draw on.
void WaitForView(opt::TGLW& viewer) {
    QElapsedTimer waited;
    waited.start();
    while (!viewer.View().isValid() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

}  // namespace

int main(int argc, char** argv) {
    opt::KeepFreedMemoryForReuse();
    QApplication app(argc, argv);
    opt::InitApplication(app);
    const Arguments args = ParseArguments(QApplication::arguments());
    if (!args.ok) {
        std::fprintf(stderr, "usage: zedaruz [FILE]\n");
        return 2;
    }
    // A screenshot never depends on the user's settings and never changes them.
    QTemporaryDir screenshotSettings;
    if (!args.screenshot.isEmpty())
        opt::UseSettingsFile(screenshotSettings.filePath(QStringLiteral("settings.ini")));
    // Nobody is there to press OK on a screenshot run: its notices go to standard error.
    if (!args.screenshot.isEmpty()) opt::SetDialogs(&opt::StandardErrorDialogs());
    opt::AppWindows windows = opt::CreateWindows(opt::FindProgramFolders(opt::ExecutableDir(argv[0])));
    windows.glw->show();
    WaitForView(*windows.glw);
    if (args.screenshot.isEmpty() && opt::PanelWasOpen()) windows.glw->ShowControlPanel();
    if (!args.modelFile.isEmpty()) {
        const std::string path = args.modelFile.toLocal8Bit().toStdString();
        opt::RunGuarded([&] { windows.glw->OpenModelFile(path); });
    }
    if (!args.screenshot.isEmpty()) return opt::TakeScreenshot(windows, args.screenshot) ? 0 : 1;
    return QApplication::exec();
}
