// Program start: the application's title and help file, and the five windows in their order.
#pragma once

#include <memory>
#include <string>

#include "platform/program_folders.h"

class QApplication;
class QWidget;

namespace opt {

class TAboutBox;
class TFlagEdit;
class TGLW;
class TML;
class TPa;
struct WindowModel;

inline constexpr const char* kApplicationTitle = "OPT_Zedaruz_V4";
inline constexpr const char* kHelpFileName = "Opt_zedaruz.hlp";
inline constexpr int kHelpContext = 10;

// Step 1: the title, the help file and the shipped resources.
void InitApplication(QApplication& app);
// The decimal separator of the user's locale (QLocale::system()), or '.' where it is not one ASCII
// character: what the windows write and read reals with.
char LocaleDecimalSeparator();
// The help file the application was given.
const std::string& ApplicationHelpFile();

// The five windows, created in this order: viewer (the main window), control panel, About box,
// flag editor, palette panel. All but the viewer are created hidden; the viewer is not shown yet.
struct AppWindows {
    // What the windows share (the model, the selection, the view state): made first, freed last.
    std::unique_ptr<WindowModel> model;
    std::unique_ptr<TGLW> glw;
    std::unique_ptr<TML> ml;
    std::unique_ptr<TAboutBox> about;
    std::unique_ptr<TFlagEdit> flagEdit;
    std::unique_ptr<TPa> pa;
    AppWindows();
    AppWindows(AppWindows&&) noexcept;
    AppWindows& operator=(AppWindows&& other) noexcept;
    ~AppWindows();
    // Destroys the windows: the others before the viewer they point into.
    void Reset();
};

// Step 2. folders are where SaveData and AppData live (FindProgramFolders). The windows' model
// writes and reads reals with the locale's decimal separator.
AppWindows CreateWindows(const ProgramFolders& folders);

// Places a window in the middle of the screen it is on.
void CentreOnScreen(QWidget& window);
// Shows a window, raises it above the others and gives it the keyboard.
void BringToFront(QWidget& window);
// The first start's places (remembered ones replace them): the viewer sized to the screen, its
// view about half the screen's height and the list pane beside it, and the control panel at its start
// size, no larger than the screen (its lists shrink or scroll). The pair stands side by side, centred,
// where the screen is wide enough; otherwise the viewer goes to the screen's left edge and the panel
// to its right edge, over the list pane rather than the view.
void PlaceAtStart(TGLW& viewer, QWidget& panel);
// Makes a window no larger than the available area of its screen and centres it there.
void FitOnScreen(QWidget& window);

}  // namespace opt
