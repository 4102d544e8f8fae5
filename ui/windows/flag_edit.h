// The flag editor window TFlagEdit ("Flag Editor"): a modal dialog created at start-up. Its
// contents (the 32 bit boxes) come with the flag viewer.
#pragma once

#include <QDialog>

namespace opt {

class TFlagEdit : public QDialog {
public:
    explicit TFlagEdit(QWidget* parent = nullptr);
};

}  // namespace opt
