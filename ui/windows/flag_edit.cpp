#include "ui/windows/flag_edit.h"

namespace opt {

TFlagEdit::TFlagEdit(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFlagEdit"));
    setWindowTitle(QStringLiteral("Flag Editor"));
    setAttribute(Qt::WA_QuitOnClose, false);
}

}  // namespace opt
