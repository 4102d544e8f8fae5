// The control panel TML ("Opt_Zedaruz"): lists of meshes, face-data blocks, vertices and textures,
// the resolution box, the tool bar of the 13 display and edit modes, the memo and the texture
// picture. Its controls set the selection state that the drawing and the editors read; every
// browsing control that changes the picture asks for a redraw through FormHide.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "model/store.h"
#include "state/selection_state.h"
#include "ui/windows/edit_controls.h"
#include "ui/windows/status_panels.h"
#include "ui/windows/widget_sinks.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace opt {

class EditAreaBinding;
class TGLW;
class TPa;
struct WindowModel;

// Number of texture pictures put into the control panel's Image so far (0: none yet).
int32_t& ImageShown();

class TML : public QWidget {
public:
    // model: what the windows share (the store, the selection), which outlives the panel.
    explicit TML(WindowModel& model, QWidget* parent = nullptr);
    ~TML() override;

    // The windows it works with, set once at start-up.
    void SetViewer(TGLW* viewer) { viewer_ = viewer; }
    void SetPalettePanel(TPa* palettes) { palettes_ = palettes; }
    TGLW* Viewer() const { return viewer_; }
    // The edit area (hardpoints, mesh descriptors, LOD distances, rotation/scale, hit zones).
    EditAreaBinding& EditBinding() { return *editArea_; }

    // ---- What the viewer window calls ----
    // Refills the panel after the model store has been filled (LoadOrtho).
    void OnLoad();
    // The redraw request: hide the panel unless "Keep On Top" is checked, then redraw the view.
    void FormHide();
    // Open and reload, step 3: empty the resolution box (entries and text) and the texture list;
    // the texture picture goes with the list (a load of the same file shows it again).
    void EmptyLoadLists();
    // After the read: the LOD numbers the reader met into the resolution box, the texture names
    // into the texture list, in reading order.
    void ShowReaderLists(const ModelStore& store);
    // Where the face and vertex summaries go.
    MemoSink& MemoOut() { return memoSink_; }
    // The BMP image shown in Image ("Save Bmp" writes it); empty before the first texture click.
    const std::vector<uint8_t>& PreviewBytes() const { return preview_; }

    // ---- The mode group ----
    // Puts the button down in the selection state and on the tool bar.
    void PutDown(ModeButton b);
    // Brings the tool bar in line with the selection state after an editor changed it.
    void SyncModeButtons();
    QToolButton* ModeButtonWidget(ModeButton b) const { return modeButtons_[static_cast<size_t>(b)]; }
    QButtonGroup* ModeGroupWidget() const { return modeGroup_; }
    // What an edit mode's button does after it went down (SBHP, SBHZ, SBHZED, SBCopyCenters, SBRes,
    // SBRSH); the editors install these.
    void SetModeClickHook(ModeButton b, std::function<void()> hook);
    // The flag viewer's double-click on FE1.
    void SetFE1DblClick(std::function<void()> hook) { fe1DblClick_ = std::move(hook); }

    // ---- Controls ----
    QComboBox* ResBox() const { return ResBox_; }
    QCheckBox* CBAllRES() const { return CBAllRES_; }
    QSpinBox* SPERes() const { return SPERes_; }
    QLineEdit* FE1() const { return FE1_; }
    QListWidget* LBMESH() const { return LBMESH_; }
    QListWidget* LBFACE() const { return LBFACE_; }
    QListWidget* LBVx() const { return LBVx_; }
    QListWidget* LB() const { return LB_; }
    QToolButton* SBPal() const { return SBPal_; }
    QCheckBox* CBTop() const { return CBTop_; }
    QPushButton* BBCancel() const { return BBCancel_; }
    QLabel* Image() const { return Image_; }
    QPushButton* LoadBmp() const { return LoadBmp_; }
    QPlainTextEdit* Memo() const { return Memo_; }
    StatusPanels& Bar() { return *Bar_; }
    const EditControls& Edit() const { return edit_; }
    // Cleared by every load; set by the hit-zone computation.
    bool& HitZonesComputed() { return hitZonesComputed_; }
    // The size the panel starts with: wide enough for the memo's record lines beside the edit area,
    // tall enough for a few rows in each list (PlaceAtStart keeps it within the screen).
    QSize StartSize() const;

    // ---- Click handlers ----
    void LBMESHClick(int i);
    void LBFACEClick(int i);
    void LBVxClick(int i);
    void LBClick(int i);
    void ResBoxChange();
    void ModeButtonClick(ModeButton b);
    void SBViewClick();
    void BBCancelClick();
    void CBTopClick();
    void CBAllRESClick();
    void SBPalClick();
    // "Load Bmp…": a picture chosen in the open dialog replaces the shown texture's pixels in the
    // file (verified and journaled), then the model is reloaded and the texture shown again.
    void LoadBmpClick();

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolBars(class QVBoxLayout* outer);
    QWidget* BuildLeftPanel();
    QWidget* BuildCentrePanel();
    QWidget* BuildRightPanel();
    void ConnectHandlers();
    void HideRP();
    void ShowTexture(int record);
    // The picture of texture-list entry shownEntry_ again, read from the file as it now is, when the
    // load read the file it was shown from and the list still has that entry; else no picture.
    void ShowTextureAgain();

    WindowModel& model_;
    TGLW* viewer_ = nullptr;
    TPa* palettes_ = nullptr;

    std::array<QToolButton*, kModeButtonCount> modeButtons_{};
    std::array<std::function<void()>, kModeButtonCount> modeHooks_{};
    QButtonGroup* modeGroup_ = nullptr;
    QCheckBox* CBTop_ = nullptr;
    QPushButton* BBCancel_ = nullptr;
    QComboBox* ResBox_ = nullptr;
    QCheckBox* CBAllRES_ = nullptr;
    QSpinBox* SPERes_ = nullptr;
    QLineEdit* FE1_ = nullptr;
    QListWidget* LBMESH_ = nullptr;
    QListWidget* LBFACE_ = nullptr;
    QListWidget* LBVx_ = nullptr;
    QListWidget* LB_ = nullptr;
    QToolButton* SBPal_ = nullptr;
    QLabel* Image_ = nullptr;
    QPushButton* LoadBmp_ = nullptr;
    QPlainTextEdit* Memo_ = nullptr;
    std::unique_ptr<StatusPanels> Bar_;
    EditControls edit_;
    std::unique_ptr<EditAreaBinding> editArea_;

    MemoWidgetSink memoSink_{nullptr};

    std::function<void()> fe1DblClick_;
    std::vector<uint8_t> preview_;
    int shownEntry_ = -1;    // the texture-list entry whose picture Image shows (-1: none)
    std::string shownFile_;  // the model file that picture was read from
    bool hitZonesComputed_ = false;
    bool hidingItself_ = false;  // FormHide is hiding the panel: its own hide is not a new request
};

}  // namespace opt
