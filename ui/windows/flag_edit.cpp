#include "ui/windows/flag_edit.h"

#include <QCheckBox>
#include <QPushButton>

#include "ui/windows/dialogs.h"
#include "ui/windows/widget_sinks.h"

namespace opt {

namespace {

constexpr int kColumnBits = 16;
constexpr int kLeftColumn = 8, kRightColumn = 168, kFirstTop = 8, kRowStep = 16;
constexpr int kBoxWidth = 150, kBoxHeight = 17;

// The captions of the form; every showing replaces them.
QString DesignedCaption(int bit) {
    return bit == 0 ? QStringLiteral("Bit 0") : QStringLiteral("Bit%1").arg(bit);
}

}  // namespace

TFlagEdit::TFlagEdit(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFlagEdit"));
    setWindowTitle(QStringLiteral("Flag Editor"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(QFont(QStringLiteral("MS Sans Serif")));
    for (int i = 0; i < kFlagBits; ++i) {
        auto* box = new QCheckBox(DesignedCaption(i), this);
        box->setObjectName(QStringLiteral("Bit%1").arg(i));
        const int column = i < kColumnBits ? kLeftColumn : kRightColumn;
        box->setGeometry(column, kFirstTop + kRowStep * (i % kColumnBits), kBoxWidth, kBoxHeight);
        // Shown, not edited: the box ignores the mouse and the keyboard.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
    }
    BNOK_ = new QPushButton(QStringLiteral("&OK"), this);
    BNOK_->setObjectName(QStringLiteral("BNOK"));
    BNOK_->setGeometry(56, 280, 75, 25);
    BNOK_->setDefault(true);
    connect(BNOK_, &QPushButton::clicked, this, &QDialog::accept);
    BNCancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    BNCancel_->setObjectName(QStringLiteral("BNCancel"));
    BNCancel_->setGeometry(184, 279, 75, 25);
    connect(BNCancel_, &QPushButton::clicked, this, &QDialog::reject);  // Esc rejects as well
    FormCreate();
}

void TFlagEdit::FormCreate() {
    for (int i = 0; i < kFlagBits; ++i)
        boxes_[static_cast<size_t>(i)] = findChild<QCheckBox*>(QStringLiteral("Bit%1").arg(i));
    const QRect bit0 = boxes_[0]->geometry(), bit16 = boxes_[kColumnBits]->geometry();
    const QRect ok = BNOK_->geometry();
    setFixedSize(bit0.left() + bit16.left() + bit16.width(), bit0.top() + ok.top() + ok.height());
}

void TFlagEdit::ShowFlags(const FlagView& view) {
    for (size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->setText(Latin1(view.Captions[i]));
        boxes_[i]->setChecked(view.Checked[i]);
    }
    TheDialogs().RunModal(*this);
}

void ShowFlagsOf(TFlagEdit& dialog, const std::string& fe1Text) { dialog.ShowFlags(FE1DblClick(fe1Text)); }

}  // namespace opt
