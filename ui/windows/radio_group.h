// A captioned group of radio buttons built from a list of entries (the edit area's "Part to edit").
#pragma once

#include <QGroupBox>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace opt {

class RadioGroup : public QGroupBox {
public:
    explicit RadioGroup(const QString& caption, QWidget* parent = nullptr);
    // Removes every entry.
    void ClearItems();
    void AddItem(const QString& text);
    int Count() const { return static_cast<int>(buttons_.size()); }
    QString ItemText(int i) const;
    // Position of the checked entry, -1 when none.
    int ItemIndex() const;
    void SetItemIndex(int i);
    QButtonGroup* Group() const { return group_; }

private:
    QVBoxLayout* layout_;
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
};

}  // namespace opt
