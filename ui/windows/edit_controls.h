// The control panel's controls that the editors work with: the edit buttons of the second tool bar
// and the edit area of the right panel RP. The control panel creates them hidden; an editor shows
// the ones it uses, and every load (OnLoad) empties and hides them again.
#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;
class QWidget;

namespace opt {

class RadioGroup;

struct EditControls {
    // Second tool bar Panel3.
    QToolButton* SBView = nullptr;     // "View"
    QToolButton* SBUpdate = nullptr;   // "Update "
    QToolButton* SBUndo = nullptr;     // "Undo"
    QToolButton* SBHZWrite = nullptr;  // "WriteHZ"
    QToolButton* SBHZ0 = nullptr;
    // Right panel RP and what it holds.
    QWidget* RP = nullptr;
    RadioGroup* RG1 = nullptr;  // "Part to edit"
    QComboBox* EHPType = nullptr;
    QLineEdit* E = nullptr;
    QListWidget* LBED = nullptr;
    QLabel* LabED = nullptr;
    QLabel* RLabel = nullptr;
};

}  // namespace opt
