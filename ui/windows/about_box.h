// The About box TAboutBox ("About"): the tool's name, its version and two paragraphs of remarks.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace opt {

class TAboutBox : public QDialog {
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* Version() const { return Version_; }
    QLabel* Label1() const { return Label1_; }
    QLabel* Label2() const { return Label2_; }
    QLabel* ProgramIcon() const { return ProgramIcon_; }
    QPushButton* OKButton() const { return OKButton_; }

    // Hides the box, which ends its modal display with the result OK.
    void OKButtonClick();

private:
    void FormCreate();
    void FitTexts(QLabel* productName, QWidget* panel);

    QLabel* ProgramIcon_;
    QLabel* Version_;
    QLabel* Label1_;
    QLabel* Label2_;
    QPushButton* OKButton_;
};

}  // namespace opt
