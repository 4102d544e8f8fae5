// The viewer window: creation, layout, the square view panel, keys, resizes, drops and closing.
#include "ui/windows/viewer_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>
#include <utility>

#include "render/core/image_export.h"
#include "render/core/view_state.h"
#include "render/gl/gl_view.h"
#include "state/selection_state.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/error_guard.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/view_key_map.h"
#include "ui/windows/window_model.h"

namespace opt {

namespace {
constexpr int kSplitterWidth = 8;
constexpr int kDesignedPanelWidth = 169;
// Says where to go on the first screen, until the control panel is first shown.
constexpr const char16_t* kStartHint = u"Space: control panel \u00B7 F1: help \u00B7 drag to turn";

// What the empty list box says comes there.
constexpr const char* kListBoxHint =
    "The Lists menu writes the model's blocks here, with their file positions";

// The keys a list box moves through its lines with.
bool MovesThroughLines(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

bool Inside(const QWidget* outer, const QWidget* w) { return w == outer || outer->isAncestorOf(w); }

}  // namespace

QString NoModelNote(const std::string& modelPath) {
    const std::string name = std::filesystem::path(modelPath).filename().string();
    return QStringLiteral("No model open \u2014 F5 opens %1 again")
        .arg(QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size())));
}

bool IsModelFileName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QStringLiteral("opt") || suffix == QStringLiteral("op1");
}

TGLW::TGLW(const ProgramFolders& folders, WindowModel& model, QWidget* parent)
    : QMainWindow(parent), model_(model) {
    setObjectName(QStringLiteral("TGLW"));
    setWindowTitle(QString::fromLatin1(kViewerCaption));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    resize(623, 324);
    setAcceptDrops(true);
    BuildLayout();
    BuildMenus();
    // The window sees every key press of its controls before they do.
    qApp->installEventFilter(this);
    FormCreate(folders);
}

TGLW::~TGLW() { qApp->removeEventFilter(this); }

void TGLW::BuildLayout() {
    Splitter1_ = new QSplitter(Qt::Horizontal, this);
    Splitter1_->setObjectName(QStringLiteral("Splitter1"));
    Splitter1_->setHandleWidth(kSplitterWidth);
    Splitter1_->setChildrenCollapsible(false);
    Splitter1_->setStyleSheet(
        QStringLiteral("QSplitter::handle { background: grey; border: 1px outset lightgrey; }"));

    p_ = new QFrame(Splitter1_);
    p_->setObjectName(QStringLiteral("p"));
    p_->setFrameShape(QFrame::NoFrame);
    auto* inside = new QVBoxLayout(p_);
    inside->setContentsMargins(0, 0, 0, 0);
    view_ = new GLView(model_.Store, model_.Selection, model_.View, p_);
    view_->setObjectName(QStringLiteral("GLView"));
    inside->addWidget(view_);
    p_->installEventFilter(this);

    SB_ = new ListBox(Splitter1_);
    SB_->SetEmptyHint(QString::fromLatin1(kListBoxHint));
    Splitter1_->addWidget(p_);
    Splitter1_->addWidget(SB_);
    Splitter1_->handle(1)->installEventFilter(this);
    Splitter1_->setStretchFactor(0, 0);
    Splitter1_->setStretchFactor(1, 1);
    Splitter1_->setSizes({kDesignedPanelWidth, 623 - kDesignedPanelWidth - kSplitterWidth});
    setCentralWidget(Splitter1_);
    // The window's client area is black; the menu bar and the status bar keep the system colours.
    for (QWidget* w : std::initializer_list<QWidget*>{Splitter1_, p_}) {
        QPalette black = w->palette();
        black.setColor(QPalette::Window, Qt::black);
        w->setPalette(black);
        w->setAutoFillBackground(true);
    }

    auto* bar = statusBar();
    bar->setObjectName(QStringLiteral("Bar"));
    Bar_ = std::make_unique<StatusPanels>(bar, std::initializer_list<int>{100, 150, 150, 50});
    // The view has the keyboard at start: the arrows turn the model until the list box is clicked.
    view_->setFocus();
    view_->SetCameraMoved([this] {
        RunGuarded([this] {
            view_->DrawMoved();
            ShowScaleText();
        });
    });
}

void TGLW::FormCreate(const ProgramFolders& folders) {
    ResetViewAtCreate(model_.View);  // ResizeGuard set, no context, no uploads, no pan
    PrepareProgramDirs(folders, [](const std::string& text) { TheDialogs().Message(text); });
    ImageShown() = 0;
    model_.Selection.ModelLoaded = false;
    SetMenu();
}

void TGLW::SetPeers(TML* controlPanel, TPa* palettePanel, TAboutBox* aboutBox) {
    ml_ = controlPanel;
    pa_ = palettePanel;
    about_ = aboutBox;
    if (ml_ != nullptr) view_->SetInfoMemo(&ml_->MemoOut());
}

void TGLW::SquarePanel() {
    // The panel fills the splitter's height; the splitter's own size is the settled one even before
    // the panel has been laid out.
    const int side = Splitter1_->contentsRect().height();
    const int rest = Splitter1_->width() - side - Splitter1_->handleWidth();
    Splitter1_->setSizes({side, rest > 0 ? rest : 0});
}

void TGLW::ShowHZ(int) { view_->ShowHZ(); }

void TGLW::WP(int palette, const std::string& fileName) { opt::WP(fileName, model_.Store, palette); }

void TGLW::ShowFreePanel() {
    if (Bar_ == nullptr) return;
    if (!model_.Selection.ModelLoaded && !modelPath_.empty())
        Bar_->SetText(2, NoModelNote(modelPath_));
    else
        Bar_->SetText(2, startHint_ ? QString::fromUtf16(kStartHint) : QString());
}

void TGLW::ShowNoModel() {
    view_->ShowHZ();  // nothing is loaded: the view clears to black
    Bar_->SetText(0, std::string());
    Bar_->SetText(1, std::string());
    ShowFreePanel();
}

bool TGLW::KeyOfItsOwn(const QWidget* receiver, int qtKey) const {
    if (Inside(menuBar(), receiver)) return true;
    return Inside(SB_, receiver) && MovesThroughLines(qtKey);
}

bool TGLW::FormKeyDown(const QKeyEvent& key) {
    const KeyOutcome outcome =
        view_->KeyDown(ToViewKey(key.key(), key.modifiers()), ToKeyModifiers(key.modifiers()));
    if (outcome.ShowControlPanel) ShowControlPanel();
    if (outcome.ScaleText) ShowScaleText();
    return outcome.DrawMoved || outcome.ShowControlPanel;
}

bool TGLW::FirstDelivery(const QEvent* event, QWidget* receiver) {
    // A key that a control ignores travels on to its parents as the same event: handle it once.
    const bool propagated = event == lastKey_ && lastKeyReceiver_ != nullptr &&
                            lastKeyReceiver_ != receiver && receiver->isAncestorOf(lastKeyReceiver_);
    lastKey_ = event;
    if (!propagated) lastKeyReceiver_ = receiver;
    return !propagated;
}

bool TGLW::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        lastKey_ = nullptr;
    } else if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
               static_cast<QWidget*>(watched)->window() == this &&
               FirstDelivery(event, static_cast<QWidget*>(watched))) {
        // A key goes to one place: the list box (or the menu bar) keeps the keys it moves with, and
        // the view takes the others. The view's keys are not consumed otherwise, as they always were
        // (a control that ignores them passes them on to its parents, which handle them once).
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* receiver = static_cast<QWidget*>(watched);
        if (!KeyOfItsOwn(receiver, key->key())) {
            bool used = false;
            RunGuarded([&] { used = FormKeyDown(*key); });
            // Not also the list box's own use of the key (its search by the first letter).
            if (used && Inside(SB_, receiver)) return true;
        }
    } else if (watched == p_ && event->type() == QEvent::Resize) {
        RunGuarded([this] { pResize(); });
    } else if (watched == Splitter1_->handle(1) && event->type() == QEvent::MouseButtonPress) {
        splitterDragging_ = true;
    } else if (watched == Splitter1_->handle(1) && event->type() == QEvent::MouseButtonRelease) {
        // The handle moves to its last place after this event: reload once it has.
        splitterDragging_ = false;
        if (std::exchange(reloadAfterDrag_, false)) ScheduleResizeReload();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TGLW::pResize() {
    p_->repaint();
    // The panel's own squaring during a load is part of that load, not a new one.
    if (model_.Selection.ModelLoaded && !loading_) ScheduleResizeReload();
}

void TGLW::ScheduleResizeReload() {
    if (splitterDragging_) {
        reloadAfterDrag_ = true;
        return;
    }
    if (reloadQueued_) return;
    reloadQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        reloadQueued_ = false;
        if (splitterDragging_) {
            reloadAfterDrag_ = true;
            return;
        }
        if (model_.Selection.ModelLoaded && !loading_) RunGuarded([this] { ResizeReload(); });
    });
}

void TGLW::ResizeReload() {
    const ViewCamera camera = CameraOf(model_.View);
    if (UnchangedSince(modelPath_, loaded_) && view_->CanRedrawFromTables()) {
        RedrawUnchanged();
        ShowWithCamera(camera);
        return;
    }
    LineStore lines = SB_->Store();
    const int top = SB_->verticalScrollBar()->value();
    const int left = SB_->horizontalScrollBar()->value();
    try {
        LoadWireTex();
    } catch (...) {
        SB_->Replace(std::move(lines));  // a file that cannot be read again takes no lines with it
        throw;
    }
    // The list box shows what it showed before, and the view the user's camera, at once.
    SB_->Replace(std::move(lines));
    SB_->verticalScrollBar()->setValue(top);
    SB_->horizontalScrollBar()->setValue(left);
    ShowWithCamera(camera);
}

void TGLW::ShowWithCamera(const ViewCamera& camera) {
    SetCamera(model_.View, camera);
    view_->ShowHZ();
    ShowScaleText();
}

void TGLW::ShowScaleText() { Bar_->SetText(0, ScaleStatusText(model_.View, model_.Store.Decimal_Separator)); }

void TGLW::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    RunGuarded([this] {
        SquarePanel();
        if (model_.View.ResizeGuard) return;
        const ViewCamera camera = CameraOf(model_.View);
        view_->ContextResize();
        SetCamera(model_.View, camera);
        // The new context has no picture and no textures: the reload brings both back.
        if (model_.Selection.ModelLoaded && !loading_) ScheduleResizeReload();
    });
}

void TGLW::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Square the panel again once the first layout has settled.
    QTimer::singleShot(0, this, [this] { SquarePanel(); });
}

void TGLW::closeEvent(QCloseEvent* event) {
    SaveSettings();
    model_.View.ResizeGuard = true;
    if (releaseEditors_) RunGuarded(releaseEditors_);
    QMainWindow::closeEvent(event);
}

void TGLW::dragEnterEvent(QDragEnterEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile() && IsModelFileName(urls.front().toLocalFile()))
        event->acceptProposedAction();
}

void TGLW::dropEvent(QDropEvent* event) {
    if (DropFiles(event->mimeData()->urls())) event->acceptProposedAction();
}

bool TGLW::DropFiles(const QList<QUrl>& urls) {
    if (urls.size() != 1 || !urls.front().isLocalFile() || !IsModelFileName(urls.front().toLocalFile()))
        return false;
    const std::string path = urls.front().toLocalFile().toLocal8Bit().toStdString();
    RunGuarded([&] { OpenModelFile(path); });
    return true;
}

}  // namespace opt
