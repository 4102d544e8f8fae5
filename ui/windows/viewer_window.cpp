// The viewer window: creation, layout, the square view panel, keys, resizes, drops and closing.
#include "ui/windows/viewer_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include "listings/text_format.h"
#include "render/core/image_export.h"
#include "render/core/view_state.h"
#include "render/gl/gl_view.h"
#include "ui/selection_state.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/error_guard.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/view_key_map.h"

namespace opt {

namespace {
constexpr int kSplitterWidth = 8;
constexpr int kDesignedPanelWidth = 169;
}  // namespace

bool IsModelFileName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QStringLiteral("opt") || suffix == QStringLiteral("op1");
}

TGLW::TGLW(const ProgramFolders& folders, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TGLW"));
    setWindowTitle(QStringLiteral("OPT_Zedaruz_V4a"));
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
    view_ = new GLView(p_);
    view_->setObjectName(QStringLiteral("GLView"));
    inside->addWidget(view_);
    p_->installEventFilter(this);

    SB_ = new ListBox(Splitter1_);
    Splitter1_->addWidget(p_);
    Splitter1_->addWidget(SB_);
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
}

void TGLW::FormCreate(const ProgramFolders& folders) {
    ResetViewAtCreate(TheView());  // ResizeGuard set, no context, no uploads, no pan
    PrepareProgramDirs(folders, [](const std::string& text) { TheDialogs().Message(text); });
    ImageShown() = 0;
    TheSelection().ModelLoaded = false;
    SetMenu();
}

void TGLW::SetPeers(TML* controlPanel, TPa* palettePanel, TAboutBox* aboutBox) {
    ml_ = controlPanel;
    pa_ = palettePanel;
    about_ = aboutBox;
    if (ml_ != nullptr) view_->SetInfoMemo(&ml_->MemoOut());
}

void TGLW::SquarePanel() {
    const int side = p_->height();
    const int rest = Splitter1_->width() - side - Splitter1_->handleWidth();
    Splitter1_->setSizes({side, rest > 0 ? rest : 0});
}

void TGLW::ShowHZ(int) { view_->ShowHZ(); }

void TGLW::WP(int palette, const std::string& fileName) { opt::WP(fileName, TheStore(), palette); }

void TGLW::FormKeyDown(const QKeyEvent& key) {
    const KeyOutcome outcome =
        view_->KeyDown(ToViewKey(key.key(), key.modifiers()), ToKeyModifiers(key.modifiers()));
    if (outcome.ShowControlPanel && ml_ != nullptr) ml_->show();
    if (outcome.ScaleText) Bar_->SetText(0, ScaleStatusText(TheView(), DecimalSeparator()));
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
        const auto* key = static_cast<QKeyEvent*>(event);
        RunGuarded([&] { FormKeyDown(*key); });
        // Not consumed: the focused control receives the key as well.
    } else if (watched == p_ && event->type() == QEvent::Resize) {
        RunGuarded([this] { pResize(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TGLW::pResize() {
    p_->repaint();
    // The panel's own squaring during a load is part of that load, not a new one.
    if (TheSelection().ModelLoaded && !loading_) LoadWireTex();
}

void TGLW::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    RunGuarded([this] {
        SquarePanel();
        if (TheView().ResizeGuard) return;
        view_->ContextResize();
    });
}

void TGLW::closeEvent(QCloseEvent* event) {
    TheView().ResizeGuard = true;
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
