// Opening and reloading a model: the order of the steps is fixed, and every step before the read
// takes effect even when the read fails or the user cancels the dialog.
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <filesystem>
#include <system_error>

#include "edit/core/journaled_load.h"
#include "edit/core/write_journal.h"
#include "render/core/view_state.h"
#include "render/gl/gl_view.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/viewer_window.h"
#include "ui/windows/window_model.h"

namespace opt {

namespace {

// Marks the window as loading for the length of one open or reload.
class LoadingScope {
public:
    explicit LoadingScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~LoadingScope() { flag_ = before_; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    bool& flag_;
    bool before_;
};

bool IsDirectory(const std::string& dir) {
    std::error_code ec;
    return std::filesystem::is_directory(dir, ec);
}

}  // namespace

std::string TGLW::OpenDialogStartDir() const {
    if (!lastDir_.empty() && IsDirectory(lastDir_)) return lastDir_;
    if (IsDirectory(kDesignedOpenDir)) return kDesignedOpenDir;
    return QDir::homePath().toLocal8Bit().toStdString();
}

// Steps 1 to 3 of an open or reload: square panel, no-model state, empty lists.
void TGLW::BeginLoad() {
    SquarePanel();
    model_.Selection.ModelLoaded = false;
    SetMenu();
    if (ml_ != nullptr) ml_->EmptyLoadLists();
    SB_->Clear();
}

void TGLW::ReadVxfromOPt1Click() {
    LoadingScope loading(loading_);
    BeginLoad();
    model_.View.ResizeGuard = false;
    const auto path = TheDialogs().ChooseOpenFile(OpenDialogStartDir(), kOpenFilter);
    if (!path) {
        // The no-model state stays, and the window says so: no caption, picture or size of a model
        // it no longer holds.
        setWindowTitle(QString::fromLatin1(kViewerCaption));
        ShowNoModel();
        return;
    }
    ReadChosenFile(*path);
}

void TGLW::OpenModelFile(const std::string& path) {
    LoadingScope loading(loading_);
    BeginLoad();
    model_.View.ResizeGuard = false;
    // A name from the command line or a drop may be relative: the caption and the file that reloads
    // and patches read are the full path, as the open dialog gives it.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    ReadChosenFile(ec ? path : full.lexically_normal().string());
}

void TGLW::ReadChosenFile(const std::string& path) {
    setWindowTitle(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
    modelPath_ = path;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) lastDir_ = folder.string();
    ReadAndShow();
    RememberOpened(path);
}

void TGLW::LoadWireTex() {
    LoadingScope loading(loading_);
    BeginLoad();
    ReadAndShow();
}

// Steps 7 and 8: read the file into the store, show what the reader gave besides the tables, then
// LoadOrtho. The file's identity is taken before the read, so that a write during the read counts as
// a change.
void TGLW::ReadAndShow() {
    if (ml_ == nullptr) return;
    loaded_.reset();
    const std::optional<FileIdentity> identity = IdentityOf(modelPath_);
    try {
        LoadNotingInterruptedWrite(model_.Store, modelPath_, JournalFilePath(TheDirs().SaveDataDir));
    } catch (...) {
        ShowReaderLists();
        ShowNoModel();
        throw;
    }
    ShowReaderLists();
    loaded_ = identity;
    SB_->Flush();
    ShowInView(true);
    // F5 after a cancelled open brings the model back under its own name.
    setWindowTitle(QString::fromLocal8Bit(modelPath_.data(), static_cast<qsizetype>(modelPath_.size())));
}

void TGLW::ShowReaderLists() {
    for (const auto& line : model_.Store.Warnings) SB_->AddListLine(line);
    ml_->ShowReaderLists(model_.Store);
}

void TGLW::ShowInView(bool afterRead) {
    GLView::LoadHooks hooks{
        .OnLoad = nullptr,
        .TextureListCount = [this] { return ml_->LB()->count(); },
        .SetMenu = [this] { SetMenu(); },
        .SetSizeText = [this](const std::string& text) { Bar_->SetText(1, text); },
    };
    if (afterRead) {
        hooks.OnLoad = [this] { ml_->OnLoad(); };
        const ViewCamera before = CameraOf(model_.View);
        view_->LoadOrtho(modelPath_, hooks);
        // The load draws its first frame with the camera of before and then resets the camera: the
        // picture and the scale text show the reset one at once.
        if (CameraOf(model_.View) != before) view_->ShowHZ();
        ShowScaleText();
    } else {
        view_->RedrawFromTables(hooks);
    }
}

// A resize of the unchanged file: the panel square again and the model drawn from the tables; the
// list box, the control panel and the selection keep what they show.
void TGLW::RedrawUnchanged() {
    if (ml_ == nullptr) return;
    LoadingScope loading(loading_);
    SquarePanel();
    ShowInView(false);
}

}  // namespace opt
