// The flag editor window TFlagEdit ("Flag Editor"): a modal dialog created at start-up that shows the
// 32 bits of the number typed into the control panel's FE1 as 32 check boxes. A viewer only: the
// boxes do not take the user's clicks, and nothing is read back from them.
#pragma once

#include <QDialog>
#include <array>

#include "edit/core/flag_bits.h"

class QCheckBox;
class QPushButton;

namespace opt {

class TFlagEdit : public QDialog {
public:
    explicit TFlagEdit(QWidget* parent = nullptr);

    // SetCaptions and SetBits from the view, then the dialog shown modally; its result is not used.
    void ShowFlags(const FlagView& view);

    // The boxes in bit order (Boxes()[0] is Bit0).
    const std::array<QCheckBox*, kFlagBits>& Boxes() const { return boxes_; }
    QPushButton* BNOK() const { return BNOK_; }
    QPushButton* BNCancel() const { return BNCancel_; }

private:
    void FormCreate();

    std::array<QCheckBox*, kFlagBits> boxes_{};
    QPushButton* BNOK_ = nullptr;
    QPushButton* BNCancel_ = nullptr;
};

// FE1DblClick: the dialog shows the bits of FE1's text; throws OptError
// ("'<text>' is not a valid integer value") and the dialog does not open when it is no integer.
void ShowFlagsOf(TFlagEdit& dialog, const std::string& fe1Text);

}  // namespace opt
