// The viewer window TGLW ("OPT_Zedaruz_V4a"), the main window: the square OpenGL panel p, the list
// box SB that receives every listing, the status bar and the menus. It owns the opening and
// reloading of a model file, the Lists menu, saving the list box, the menu-enabling rule and the
// redraw entry point of the control panel.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/file_identity.h"
#include "platform/program_folders.h"
#include "ui/windows/list_box.h"
#include "ui/windows/status_panels.h"

class QAction;
class QFrame;
class QMenu;
class QSplitter;

namespace opt {

class GLView;
struct ViewCamera;
class TAboutBox;
class TML;
class TPa;
struct ListingEntry;
struct WindowModel;

// The viewer's caption while no file was chosen.
inline constexpr const char* kViewerCaption = "OPT_Zedaruz_V4a";
// The open dialog's filter and the folder it was designed to start in.
inline constexpr const char* kOpenFilter = "*.opt|*.opt|*.op1|*.op1";
inline constexpr const char* kDesignedOpenDir = "d:\\rora\\ivfiles";

class TGLW : public QMainWindow {
public:
    // Creation runs FormCreate: the working directories (folders), the
    // counters, and the menus for the no-model state. model: what the windows share (the store it
    // loads into, the selection, the view state), which outlives the window.
    TGLW(const ProgramFolders& folders, WindowModel& model, QWidget* parent = nullptr);
    ~TGLW() override;

    // The windows it commands, set once at start-up.
    void SetPeers(TML* controlPanel, TPa* palettePanel, TAboutBox* aboutBox);
    // FormClose frees the editor objects through this (the rotation/scale, hardpoint and
    // target-box editors, in that order).
    void SetEditorRelease(std::function<void()> release) { releaseEditors_ = std::move(release); }

    // ---- Interfaces ----
    // Appends one line at the end of SB: the only way text reaches it.
    void AddListLine(const std::string& line) { SB_->AddListLine(line); }
    ListBox& SB() { return *SB_; }
    GLView& View() { return *view_; }
    QFrame* p() const { return p_; }
    QSplitter* Splitter1() const { return Splitter1_; }
    StatusPanels& Bar() { return *Bar_; }
    // Enables View, Lists, the three save commands and Export exactly when a model is loaded.
    void SetMenu();
    // Redraws the view with the current selection (the argument is ignored).
    void ShowHZ(int ignored = 0);
    // Reloads the current model file without a dialog.
    void LoadWireTex();
    // Writes palette `palette` (0 .. 127) of the store to the file as 768 bytes.
    void WP(int palette, const std::string& fileName);
    // The full path last chosen: the file a reload reads and the editors patch.
    const std::string& ModelPath() const { return modelPath_; }
    // The menu item or menu of that component name ("SaveVxs1", "Lists1", ...).
    QAction* Item(const QString& name) const;

    // ---- Menu commands ----
    void ReadVxfromOPt1Click();
    // Opens the file as "Read OPt" does once the dialog has given it (command line, drag and drop).
    void OpenModelFile(const std::string& path);
    void SaveBMP1Click();
    void SavePal1Click();
    void SaveVxs1Click();
    // Undoes what `zedaruz-cli revert FILE` undoes for the opened file (an interrupted write, else
    // the newest write not yet undone), then reloads the file so the tables show the disk.
    void RevertLastWrite1Click();
    // File > Export > glTF... and OBJ...: the model at the resolution shown, to a file the save
    // dialog names (ui/windows/viewer_export.cpp).
    void ExportGltf1Click();
    void ExportObj1Click();
    void ClearListBox1Click();
    void ListClick(const ListingEntry& listing);
    void Panel1Click();
    // View › Frame Model (Home while the view has the keyboard): the model's box in the middle of the
    // view, fitted whichever way it is turned.
    void FrameModel1Click();
    // View › Classic Table Sizes: loads with the classic capacities (checked) or grows the tables to
    // the model (the default); remembered, and the open model is read again at once.
    void ClassicTables1Click(bool classic);
    // Shows the control panel in front of the other windows and with the keyboard (Space, View ›
    // Panel, and at start when it was open at the last exit).
    void ShowControlPanel();
    // File › Reload (F5): the reload sequence of the current model.
    void ReloadClick();
    // Opens a file of File › Recent Files.
    void OpenRecentFile(const std::string& path);
    // The folder chosen last in the open dialog (remembered between runs).
    const std::string& LastDir() const { return lastDir_; }
    void HelpClick();
    void About1Click();

    // A drop of one .opt or .op1 file opens it; returns whether the drop was taken.
    bool DropFiles(const QList<QUrl>& urls);

    // The folder the open dialog starts in: the last one used, else the designed folder where it
    // exists, else the user's home.
    std::string OpenDialogStartDir() const;

    // The remembered window places and sizes, splitter and panel state: put back at start, kept
    // when the viewer closes.
    void RestoreSettings();
    void SaveSettings() const;

protected:
    void closeEvent(QCloseEvent* event) override;  // FormClose
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;  // FormResize
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildLayout();
    void BuildMenus();
    void AddFileExtras(QMenu* file);
    void FillRecentMenu();
    void RememberOpened(const std::string& path);
    void FormCreate(const ProgramFolders& folders);
    void SquarePanel();
    void BeginLoad();
    void ReadChosenFile(const std::string& path);
    void ReadAndShow();
    // Returns whether the view used the key.
    bool FormKeyDown(const class QKeyEvent& key);
    void pResize();
    // A resize is not a new file: the reload it causes keeps the list box and the camera and draws
    // at once. Resizes coalesce into one reload at the next turn of the event loop, and a splitter
    // drag reloads only when the handle is let go.
    void ScheduleResizeReload();
    // A file that has not changed on disk since the load (same size and modification time) is not
    // read again: the view redraws it from the tables. A changed file is read again.
    void ResizeReload();
    void RedrawUnchanged();
    // After a resize's reload or redraw: the user's camera again, drawn, and its scale text.
    void ShowWithCamera(const ViewCamera& camera);
    // Status panel 0: the view's scale, with the model's decimal separator.
    void ShowScaleText();
    // Status panel 2, the free one: in the no-model state after a model was chosen, how to get it
    // back; else the first-screen hint until the control panel is first shown; else nothing.
    void ShowFreePanel();
    // A cancelled open or a read that failed leaves no model: the view black, no scale and no size
    // in the status bar, and the free panel says so.
    void ShowNoModel();
    // Whether a key pressed on `receiver` is the receiver's own: a list box moves through its lines
    // with the arrows and Page keys, the menu bar through its menus. Such a key does not reach the
    // view.
    bool KeyOfItsOwn(const QWidget* receiver, int qtKey) const;
    // After a read, also a failed one: the reader's lines in the list box, the LOD numbers in the
    // resolution box and the texture names in the texture list, as the store holds them.
    void ShowReaderLists();
    // Step 8 of a load, LoadOrtho, after a read; else the view's redraw from the tables, which
    // leaves the control panel's lists as they are.
    void ShowInView(bool afterRead);
    bool FirstDelivery(const QEvent* event, QWidget* receiver);
    void ExportModel(bool gltf);

    WindowModel& model_;
    QFrame* p_ = nullptr;
    GLView* view_ = nullptr;
    QSplitter* Splitter1_ = nullptr;
    ListBox* SB_ = nullptr;
    std::unique_ptr<StatusPanels> Bar_;

    TML* ml_ = nullptr;
    TPa* pa_ = nullptr;
    TAboutBox* about_ = nullptr;
    std::function<void()> releaseEditors_;

    std::string modelPath_;
    std::optional<FileIdentity> loaded_;  // the model file as the last successful read found it
    std::string lastDir_;
    const QEvent* lastKey_ = nullptr;  // the key press handled last, while it travels to the parents
    QPointer<QWidget> lastKeyReceiver_;
    bool loading_ = false;  // an open or reload is running: the panel's resizes it makes are its own
    bool splitterDragging_ = false;
    bool reloadQueued_ = false;
    bool reloadAfterDrag_ = false;
    bool startHint_ = true;  // the first-screen hint stands until the control panel is first shown
    QMenu* recentMenu_ = nullptr;
};

// Whether the control panel was open when the viewer last closed (it opens again at start).
bool PanelWasOpen();

// Whether a dropped file is a model the open dialog would offer (.opt or .op1).
bool IsModelFileName(const QString& fileName);

// The free status panel's text in the no-model state: "No model open — F5 opens NAME again", NAME
// the file's name without its folder.
QString NoModelNote(const std::string& modelPath);

}  // namespace opt
