#include "ui/windows/control_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHideEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>

#include "edit/core/texture_import.h"
#include "edit/core/write_journal.h"
#include "model/errors.h"
#include "model/reader.h"
#include "model/store.h"
#include "render/core/bmp_image.h"
#include "render/core/texture_load.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/edit_area_binding.h"
#include "ui/windows/error_guard.h"
#include "ui/windows/list_click.h"
#include "ui/windows/palette_listing.h"
#include "ui/windows/palette_panel.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/radio_group.h"
#include "ui/windows/viewer_window.h"
#include "ui/windows/window_model.h"

namespace opt {

int32_t& ImageShown() {
    static int32_t shown = 0;
    return shown;
}

namespace {

// The texture record of entry i of the texture list: the record its name was first read from
// (record i whenever no texture name of the file repeats).
int TextureRecordOfEntry(const ModelStore& store, int i) {
    if (i < 0 || !store.ttx.EntryUsed(static_cast<size_t>(i))) return i;
    const int32_t r = store.ttx.Texture_Index[static_cast<size_t>(i)];
    return store.ttx.Textures.InRange(r) ? r : i;
}

}  // namespace

TML::~TML() = default;

void TML::ConnectHandlers() {
    QObject::connect(modeGroup_, &QButtonGroup::idClicked, this,
                     [this](int id) { RunGuarded([&] { ModeButtonClick(static_cast<ModeButton>(id)); }); });
    OnListClick(LBMESH_, [this](int i) { LBMESHClick(i); });
    OnListClick(LBFACE_, [this](int i) { LBFACEClick(i); });
    OnListClick(LBVx_, [this](int i) { LBVxClick(i); });
    OnListClick(LB_, [this](int i) { LBClick(i); });
    // The resolution box follows its text at all times; only the user's typing or choice redraws.
    connect(ResBox_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { model_.Selection.Resolution = FromLatin1(text); });
    connect(ResBox_->lineEdit(), &QLineEdit::textEdited, this, Guarded([this] { ResBoxChange(); }));
    connect(ResBox_, &QComboBox::activated, this, Guarded([this] { ResBoxChange(); }));
    connect(CBAllRES_, &QCheckBox::toggled, this, [this](bool on) { model_.Selection.AllRes = on; });
    connect(CBAllRES_, &QCheckBox::clicked, this, Guarded([this] { CBAllRESClick(); }));
    connect(CBTop_, &QCheckBox::clicked, this, Guarded([this] { CBTopClick(); }));
    connect(BBCancel_, &QPushButton::clicked, this, Guarded([this] { BBCancelClick(); }));
    connect(edit_.SBView, &QToolButton::clicked, this, Guarded([this] { SBViewClick(); }));
    connect(SBPal_, &QToolButton::clicked, this, Guarded([this] { SBPalClick(); }));
    connect(LoadBmp_, &QPushButton::clicked, this, Guarded([this] { LoadBmpClick(); }));
    // The panel's cancel button: Esc presses it.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, BBCancel_, &QPushButton::click);
    FE1_->installEventFilter(this);
    // The edit area: its buttons, lists and mode hooks are driven by the editing core.
    editArea_ = std::make_unique<EditAreaBinding>(*this, model_);
}

bool TML::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FE1_ && event->type() == QEvent::MouseButtonDblClick && fe1DblClick_) {
        RunGuarded(fe1DblClick_);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TML::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // The platform asks for the redraw whenever the panel becomes hidden (its close box included).
    if (!event->spontaneous() && !hidingItself_ && viewer_ != nullptr) RunGuarded([this] { FormHide(); });
}

void TML::PutDown(ModeButton b) {
    model_.Selection.DisplayMode.PutDown(b);
    SyncModeButtons();
}

void TML::SyncModeButtons() {
    const ModeButton down = model_.Selection.DisplayMode.Down();
    modeButtons_[static_cast<size_t>(down)]->setChecked(true);
}

void TML::SetModeClickHook(ModeButton b, std::function<void()> hook) {
    if (b >= 0 && b < kModeButtonCount) modeHooks_[static_cast<size_t>(b)] = std::move(hook);
}

void TML::HideRP() { edit_.RP->hide(); }

void TML::FormHide() {
    if (!CBTop_->isChecked()) {
        hidingItself_ = true;
        hide();
        hidingItself_ = false;
    }
    if (viewer_ == nullptr) return;
    viewer_->p()->repaint();
    viewer_->ShowHZ(0);
}

void TML::EmptyLoadLists() {
    ResBox_->clear();
    ResBox_->setEditText(QString());
    LB_->clear();
    // The picture, its size and palette texts belong to the list's entry: none while the list is
    // empty. shownEntry_ stays, for the load to show it again.
    Image_->clear();
    preview_.clear();
    Bar_->SetText(2, std::string());
    Bar_->SetText(3, std::string());
    LoadBmp_->setEnabled(false);
}

void TML::ShowTextureAgain() {
    const std::string file = viewer_ != nullptr ? viewer_->ModelPath() : std::string();
    if (shownEntry_ < 0 || shownEntry_ >= LB_->count() || file != shownFile_) {
        shownEntry_ = -1;
        return;
    }
    MarkRow(LB_, shownEntry_);
    LBClick(shownEntry_);
}

void TML::ShowReaderLists(const ModelStore& store) {
    for (const auto& line : ResolutionLines(store)) ResBox_->addItem(Latin1(line));
    for (const auto& name : store.Texture_List) LB_->addItem(Latin1(name));
}

void TML::OnLoad() {
    edit_.RLabel->hide();
    HideRP();
    hitZonesComputed_ = false;

    LBMESH_->clear();
    LBFACE_->clear();
    LBVx_->clear();
    edit_.LBED->clear();
    Memo_->clear();
    edit_.RG1->ClearItems();
    edit_.LabED->setText(QString());

    edit_.EHPType->hide();
    edit_.EHPType->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{edit_.E, edit_.SBView, edit_.SBUndo, edit_.SBUpdate,
                                                      edit_.SBHZWrite})
        w->hide();

    const ModelStore& store = model_.Store;
    QStringList meshes, faceData;
    for (int m = 0; m < store.txw.Size(); ++m)
        if (store.txw.Meshes[static_cast<size_t>(m)].Num_Jumps != 0) meshes.append(QString::number(m));
    for (int b = 0; b < store.ttfd.Size(); ++b)
        if (store.ttfd[b].Type != 0) faceData.append(QString::number(b));
    LBMESH_->addItems(meshes);
    LBFACE_->addItems(faceData);
    // A load keeps the selection's numbers: the lists mark the entries the picture highlights.
    MarkRow(LBMESH_, model_.Selection.SelectedMesh);
    MarkRow(LBFACE_, model_.Selection.SelectedFaceData);
    ShowTextureAgain();

    ResBox_->setEditText(QStringLiteral("0"));
    if (!model_.Selection.DisplayMode.IsDown(SBWire)) PutDown(SBMESH);
    editArea_->OnLoad(viewer_ != nullptr ? viewer_->ModelPath() : std::string());
}

void TML::LBMESHClick(int i) {
    LBVx_->clear();
    model_.Selection.SelectedMesh = i;
    const TVX& tvx = model_.Store.tvx;
    if (tvx.InRange(i)) {
        const VertexRecord& block = tvx[i];
        QStringList numbers;
        for (int v = 0; v < block.Elements(); ++v)
            if (block.X[v] != kUnsetReal) numbers.append(QString::number(v));
        LBVx_->addItems(numbers);
    }
    if (model_.Selection.DisplayMode.IsDown(SBMESH)) FormHide();
}

void TML::LBFACEClick(int i) {
    if (!model_.Selection.DisplayMode.IsDown(SBFace)) return;
    model_.Selection.SelectedFaceData = i;
    FormHide();
}

void TML::LBVxClick(int i) {
    if (!model_.Selection.DisplayMode.IsDown(SBVx)) return;
    model_.Selection.SelectedVertex = i;
    FormHide();
}

void TML::LBClick(int i) {
    if (ImageShown() >= 1) {
        Image_->clear();
        preview_.clear();
    }
    const ModelStore& store = model_.Store;
    const int record = TextureRecordOfEntry(store, i);
    model_.Selection.SelectedTexture = record;
    shownEntry_ = i;
    shownFile_ = viewer_ != nullptr ? viewer_->ModelPath() : std::string();
    const int p = PreviewPaletteNumber(store, record);
    ShowTexture(record);
    ++ImageShown();
    Bar_->SetText(3, "Palette  num " + std::to_string(p));
}

void TML::ShowTexture(int record) {
    const ModelStore& store = model_.Store;
    preview_ = PreviewBmp(viewer_ != nullptr ? viewer_->ModelPath() : std::string(), store, record);
    if (store.ttx.Textures.InRange(record)) Bar_->SetText(2, BmpSizeText(store.ttx.Textures[record]));
    QImage image;
    image.loadFromData(preview_.data(), static_cast<int>(preview_.size()), "BMP");
    Image_->setPixmap(QPixmap::fromImage(image));
    // The picture shares the centre with the memo, enlarged to fill its half.
    Image_->setMinimumSize(0, 0);
    Image_->setMaximumHeight(QWIDGETSIZE_MAX);
    Image_->update();
    LoadBmp_->setEnabled(!preview_.empty());
}

void TML::LoadBmpClick() {
    const int entry = LB_->currentRow();
    if (viewer_ == nullptr || entry < 0 || preview_.empty()) return;
    const auto image = TheDialogs().ChooseOpenFile(TheDirs().SaveDataDir,
                                                   "Pictures|*.bmp *.png|Bitmaps|*.bmp|PNG pictures|*.png");
    if (!image) return;
    const std::string model = viewer_->ModelPath();
    const int record = TextureRecordOfEntry(model_.Store, entry);
    if (!model_.Store.ttx.Textures.InRange(record))
        throw OptError("No texture record " + std::to_string(record) + " in " + model);
    const TextureImportEdit edit = PictureFileImport(
        model_.Store, TextureName(model_.Store.ttx.Textures[record]), *image, kPreviewPaletteLevel, model);
    const TextureImportPlan plan = PlanTextureImport(model_.Store, edit, model);
    const AppliedEdit applied =
        ApplyPlan(model_.Store, plan.Edit, {model, JournalFilePath(TheDirs().SaveDataDir), true, nullptr});
    // The view, the list, the textured display and the picture read the new pixels.
    viewer_->LoadWireTex();
    std::string text;
    for (const auto& line : ImportReport(plan, applied.Runs)) text += (text.empty() ? "" : "\n") + line;
    TheDialogs().Message(text);
}

void TML::ResBoxChange() {
    // The line edit tells of the user's typing before the box tells of its new text.
    model_.Selection.Resolution = FromLatin1(ResBox_->currentText());
    // An emptied box is a number being typed, not a bad one: nothing is drawn and nothing said.
    if (ResBox_->currentText().isEmpty()) return;
    FormHide();
}

void TML::ModeButtonClick(ModeButton b) {
    // A click puts the button down before its handler runs.
    PutDown(b);
    switch (b) {
        case SBMESH:
        case SBFace:
        case SBVx:
            HideRP();
            // The mode's picture at once (leaving the textured display among others); the panel
            // stays, as these modes wait for a choice in its lists.
            if (viewer_ != nullptr) viewer_->ShowHZ(0);
            break;
        case SBSHoHP:
        case SBShoHZ:
        case SBShoCenters:
            HideRP();
            FormHide();
            break;
        case SBWire:
            HideRP();
            FormHide();
            if (viewer_ != nullptr) viewer_->LoadWireTex();
            break;
        default:
            if (modeHooks_[static_cast<size_t>(b)]) modeHooks_[static_cast<size_t>(b)]();
            if (viewer_ != nullptr) viewer_->ShowHZ(0);  // the edit mode's picture at once
            break;
    }
}

void TML::SBViewClick() {
    editArea_->Run([this] { editArea_->Area().SBViewClick(); });
}

void TML::BBCancelClick() { FormHide(); }

void TML::CBTopClick() {
    const bool wasVisible = isVisible();
    // Changing the window's style hides it for a moment; that is no redraw request.
    hidingItself_ = true;
    setWindowFlag(Qt::WindowStaysOnTopHint, CBTop_->isChecked());
    hidingItself_ = false;
    if (wasVisible) show();
}

void TML::CBAllRESClick() {
    editArea_->Run([this] { editArea_->Area().CBAllRESClick(CBAllRES_->isChecked()); });
}

void TML::SBPalClick() {
    Memo_->clear();
    if (palettes_ == nullptr || viewer_ == nullptr) return;
    palettes_->show();
    palettes_->LB()->clear();
    ListItemsSink numbers(palettes_->LB());
    ListPalettes(model_.Store, viewer_->SB(), numbers);
    viewer_->SB().Flush();
}

}  // namespace opt
