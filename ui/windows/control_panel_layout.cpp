// The control panel's controls and their places: tool bars on top, the lists on the left, the
// picture and the memo in the centre, the edit area on the right, the status bar below.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/edit/edit_widgets.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/edit_area_binding.h"  // TML owns it
#include "ui/windows/pixel_preview.h"
#include "ui/windows/radio_group.h"

namespace opt {

namespace {

constexpr int kToolBarHeight = 24;
constexpr int kSpeedButtonSize = 22;
constexpr int kLeftPanelWidth = 89;
constexpr int kRightPanelWidth = 148;
constexpr int kDesignedWidth = 511;
constexpr int kDesignedHeight = 437;
// Rows a list keeps when the panel is made small (a screen at twice the scale): it scrolls instead.
constexpr int kSmallListRows = 2;
// Rows each list on the left shows at the panel's start size, where the screen has the room.
constexpr int kStartListRows = 5;
// Columns of digits the memo shows whole at the panel's start size, beside the edit area: as wide as
// the widest record and distance lines of the edit modes (about 60 characters of text).
constexpr int kMemoColumns = 56;

// Short texts of the mode buttons, in tool-bar order: the start of each tooltip, before the hint.
constexpr const char* kModeGlyphs[kModeButtonCount] = {"Ms", "Fc", "Vx", "sHP", "HP",  "sHZ", "HZ",
                                                       "ED", "sC", "cC", "Res", "RSH", "Tx"};
// The picture of each mode button (SVG in the program's resources), in tool-bar order.
constexpr const char* kModeIcons[kModeButtonCount] = {"mesh",
                                                      "face",
                                                      "vertex",
                                                      "show_hardpoints",
                                                      "edit_hardpoints",
                                                      "show_hit_zones",
                                                      "compute_hit_zones",
                                                      "edit_target_box",
                                                      "show_centres",
                                                      "copy_centres",
                                                      "lod_distances",
                                                      "rotation_scale",
                                                      "textured"};

QToolButton* SpeedButton(QWidget* parent, const QString& name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(true);  // flat
    b->setFixedHeight(kSpeedButtonSize);
    b->setMinimumWidth(kSpeedButtonSize);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QListWidget* ListBoxNamed(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumHeight(kSmallListRows * list->fontMetrics().height() + 2 * list->frameWidth());
    return list;
}

QHBoxLayout* Row(QWidget* parent) {
    auto* row = new QHBoxLayout(parent);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(1);
    return row;
}

}  // namespace

void TML::BuildToolBars(QVBoxLayout* outer) {
    auto* TP = new QWidget(this);
    TP->setObjectName(QStringLiteral("TP"));
    TP->setFixedHeight(kToolBarHeight);
    auto* top = Row(TP);
    modeGroup_ = new QButtonGroup(this);
    modeGroup_->setExclusive(true);
    for (int i = 0; i < kModeButtonCount; ++i) {
        const auto b = static_cast<ModeButton>(i);
        auto* button =
            SpeedButton(TP, QString::fromLatin1(ModeButtonName(b)), QString::fromLatin1(kModeGlyphs[i]),
                        QString::fromLatin1(ModeButtonHint(b)));
        button->setCheckable(true);
        // A picture instead of the short text, which leads the tooltip; the hint itself stays whole.
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(kModeIcons[i]))));
        button->setIconSize(QSize(16, 16));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setFixedWidth(kSpeedButtonSize);
        button->setToolTip(QString::fromLatin1(kModeGlyphs[i]) + QStringLiteral(": ") +
                           QString::fromLatin1(ModeButtonHint(b)));
        button->setStatusTip(QString::fromLatin1(ModeButtonHint(b)));
        modeGroup_->addButton(button, i);
        modeButtons_[static_cast<size_t>(i)] = button;
        top->addWidget(button);
    }
    CBTop_ = new QCheckBox(QStringLiteral("Keep On Top"), TP);
    CBTop_->setObjectName(QStringLiteral("CBTop"));
    CBTop_->setToolTip(QStringLiteral("Form does not hide"));
    top->addWidget(CBTop_);
    top->addStretch(1);
    BBCancel_ = new QPushButton(QStringLiteral("Close"), TP);
    BBCancel_->setObjectName(QStringLiteral("BBCancel"));
    top->addWidget(BBCancel_);
    outer->addWidget(TP);

    auto* Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedHeight(kToolBarHeight);
    auto* second = Row(Panel3);
    auto text = [](const char* t) { return QString::fromLatin1(t); };
    edit_.SBView = SpeedButton(Panel3, text("SBView"), text(kSBViewCaption), text(kSBViewHint));
    edit_.SBUpdate = SpeedButton(Panel3, text("SBUpdate"), text(kSBUpdateCaption), text(kSBUpdateHint));
    edit_.SBUndo = SpeedButton(Panel3, text("SBUndo"), text(kSBUndoCaption), text(kSBUndoHint));
    edit_.SBHZWrite = SpeedButton(Panel3, text("SBHZWrite"), text(kSBHZWriteCaption), text(kSBHZWriteHint));
    edit_.SBHZ0 = SpeedButton(Panel3, text("SBHZ0"), text(kSBHZ0Caption), {});
    for (auto* b : {edit_.SBView, edit_.SBUpdate, edit_.SBUndo, edit_.SBHZWrite, edit_.SBHZ0}) {
        b->hide();
        second->addWidget(b);
    }
    second->addStretch(1);
    outer->addWidget(Panel3);
}

QWidget* TML::BuildLeftPanel() {
    auto* LP = new QWidget(this);
    LP->setObjectName(QStringLiteral("LP"));
    LP->setFixedWidth(kLeftPanelWidth);
    auto* col = new QVBoxLayout(LP);
    col->setContentsMargins(2, 2, 2, 2);
    col->setSpacing(2);

    auto* resRow = new QHBoxLayout;
    resRow->addWidget(new QLabel(QStringLiteral("Res"), LP));
    ResBox_ = new QComboBox(LP);
    ResBox_->setObjectName(QStringLiteral("ResBox"));
    ResBox_->setEditable(true);
    ResBox_->setInsertPolicy(QComboBox::NoInsert);
    ResBox_->setEditText(QStringLiteral("0"));
    resRow->addWidget(ResBox_, 1);
    col->addLayout(resRow);

    CBAllRES_ = new QCheckBox(QStringLiteral("All Res"), LP);
    CBAllRES_->setObjectName(QStringLiteral("CBAllRES"));
    col->addWidget(CBAllRES_);
    SPERes_ = new QSpinBox(LP);
    SPERes_->setObjectName(QStringLiteral("SPERes"));
    SPERes_->setRange(0, kSPEResMax);
    SPERes_->setSingleStep(kSPEResStep);
    SPERes_->setEnabled(false);
    col->addWidget(SPERes_);
    FE1_ = new QLineEdit(QString::fromLatin1(kFE1Text), LP);
    FE1_->setObjectName(QStringLiteral("FE1"));
    FE1_->setToolTip(QString::fromLatin1(kFE1Hint));
    col->addWidget(FE1_);

    auto* Panel1 = new QWidget(LP);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* lists = new QVBoxLayout(Panel1);
    lists->setContentsMargins(0, 0, 0, 0);
    lists->setSpacing(1);
    lists->addWidget(new QLabel(QStringLiteral("Mesh"), Panel1));
    LBMESH_ = ListBoxNamed(Panel1, QStringLiteral("LBMESH"));
    lists->addWidget(LBMESH_, 1);
    lists->addWidget(new QLabel(QStringLiteral("Face"), Panel1));
    LBFACE_ = ListBoxNamed(Panel1, QStringLiteral("LBFACE"));
    lists->addWidget(LBFACE_, 1);
    lists->addWidget(new QLabel(QStringLiteral("Vertex"), Panel1));
    LBVx_ = ListBoxNamed(Panel1, QStringLiteral("LBVx"));
    lists->addWidget(LBVx_, 1);
    auto* texRow = new QHBoxLayout;
    texRow->addWidget(new QLabel(QStringLiteral("Texture"), Panel1));
    SBPal_ = SpeedButton(Panel1, QStringLiteral("SBPal"), QStringLiteral("P"),
                         QStringLiteral("display  palette info"));
    SBPal_->setFixedSize(16, 16);
    texRow->addWidget(SBPal_);
    texRow->addStretch(1);
    lists->addLayout(texRow);
    LB_ = ListBoxNamed(Panel1, QStringLiteral("LB"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(12);
    LB_->setFont(mono);
    lists->addWidget(LB_, 1);
    col->addWidget(Panel1, 1);
    return LP;
}

QWidget* TML::BuildCentrePanel() {
    auto* CP = new QWidget(this);
    CP->setObjectName(QStringLiteral("CP"));
    auto* col = new QVBoxLayout(CP);
    col->setContentsMargins(2, 2, 2, 2);
    col->setSpacing(2);
    // The texture picture, and beside it the button that brings an edited picture back.
    auto* imageRow = new QHBoxLayout;
    Image_ = new PixelPreview(CP);
    Image_->setObjectName(QStringLiteral("Image"));
    Image_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Image_->setMaximumHeight(0);  // no room until the first texture is shown
    imageRow->addWidget(Image_, 1);
    LoadBmp_ = new QPushButton(QStringLiteral("Load Bmp\u2026"), CP);
    LoadBmp_->setObjectName(QStringLiteral("LoadBmp"));
    LoadBmp_->setToolTip(
        QStringLiteral("Replace the pixels of the texture shown with a .bmp or .png picture"));
    LoadBmp_->setEnabled(false);  // until a texture is shown
    imageRow->addWidget(LoadBmp_, 0, Qt::AlignTop | Qt::AlignLeft);
    col->addLayout(imageRow, 1);
    Memo_ = new QPlainTextEdit(CP);
    Memo_->setObjectName(QStringLiteral("Memo"));
    Memo_->setMinimumHeight(kSmallListRows * Memo_->fontMetrics().height() +
                            Memo_->horizontalScrollBar()->sizeHint().height() + 2 * Memo_->frameWidth());
    Memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette grey = Memo_->palette();
    grey.setColor(QPalette::Base, QColor(192, 192, 192));
    Memo_->setPalette(grey);
    col->addWidget(Memo_, 1);
    return CP;
}

QWidget* TML::BuildRightPanel() {
    auto* RP = new QWidget(this);
    RP->setObjectName(QStringLiteral("RP"));
    RP->setFixedWidth(kRightPanelWidth);
    auto* col = new QVBoxLayout(RP);
    col->setContentsMargins(2, 2, 2, 2);
    col->setSpacing(2);
    edit_.RP = RP;
    edit_.RG1 = new RadioGroup(QString::fromLatin1(kRG1Caption), RP);
    edit_.RG1->setObjectName(QStringLiteral("RG1"));
    col->addWidget(edit_.RG1);
    edit_.EHPType = new QComboBox(RP);
    edit_.EHPType->setObjectName(QStringLiteral("EHPType"));
    col->addWidget(edit_.EHPType);
    edit_.E = new QLineEdit(RP);
    edit_.E->setObjectName(QStringLiteral("E"));
    edit_.E->setToolTip(QString::fromLatin1(kEHint));
    col->addWidget(edit_.E);
    edit_.LabED = new QLabel(RP);
    edit_.LabED->setObjectName(QStringLiteral("LabED"));
    col->addWidget(edit_.LabED);
    edit_.LBED = ListBoxNamed(RP, QStringLiteral("LBED"));
    col->addWidget(edit_.LBED, 1);
    edit_.RLabel = new QLabel(QString::fromLatin1(kRLabelCaption), RP);
    edit_.RLabel->setWordWrap(true);
    edit_.RLabel->setObjectName(QStringLiteral("RLabel"));
    col->addWidget(edit_.RLabel);
    for (QWidget* w : std::initializer_list<QWidget*>{edit_.EHPType, edit_.E, edit_.RLabel}) w->hide();
    RP->hide();
    return RP;
}

QSize TML::StartSize() const {
    // The designed width, or wider where the memo needs it to show kMemoColumns columns beside the
    // lists and the edit area (the text, its margins, the scroll bar and the frames around it).
    const int text = Memo_->fontMetrics().horizontalAdvance(QString(kMemoColumns, QLatin1Char('0')));
    const int memo = text + 2 * static_cast<int>(Memo_->document()->documentMargin()) +
                     Memo_->verticalScrollBar()->sizeHint().width() + 2 * Memo_->frameWidth();
    constexpr int kCentreMargins = 4;
    const int width = std::max(kDesignedWidth, kLeftPanelWidth + memo + kCentreMargins + kRightPanelWidth);
    // The designed height, or taller where the four lists on the left need it for kStartListRows rows.
    constexpr int kLeftLists = 4;
    const int moreRows =
        kLeftLists * (kStartListRows - kSmallListRows) * LBMESH_->fontMetrics().lineSpacing();
    return {width, std::max(kDesignedHeight, minimumSizeHint().height() + moreRows)};
}

TML::TML(WindowModel& model, QWidget* parent) : QWidget(parent, Qt::Window), model_(model) {
    setObjectName(QStringLiteral("TML"));
    setWindowTitle(QStringLiteral("Opt_Zedaruz"));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    BuildToolBars(outer);
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(BuildLeftPanel());
    middle->addWidget(BuildCentrePanel(), 1);
    middle->addWidget(BuildRightPanel());
    outer->addLayout(middle, 1);
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("Bar"));
    outer->addWidget(bar);
    Bar_ = std::make_unique<StatusPanels>(bar, std::initializer_list<int>{100, 74, 150, 50});

    memoSink_ = MemoWidgetSink(Memo_);
    resize(StartSize());
    PutDown(SBMESH);
    ConnectHandlers();
}

}  // namespace opt
