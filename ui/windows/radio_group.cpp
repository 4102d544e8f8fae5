#include "ui/windows/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace opt {

RadioGroup::RadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), layout_(new QVBoxLayout(this)), group_(new QButtonGroup(this)) {
    layout_->setContentsMargins(4, 2, 4, 2);
    layout_->setSpacing(0);
    group_->setExclusive(true);
}

void RadioGroup::ClearItems() {
    for (auto* b : buttons_) {
        group_->removeButton(b);
        delete b;
    }
    buttons_.clear();
}

void RadioGroup::AddItem(const QString& text) {
    auto* b = new QRadioButton(text, this);
    group_->addButton(b, static_cast<int>(buttons_.size()));
    layout_->addWidget(b);
    buttons_.push_back(b);
}

QString RadioGroup::ItemText(int i) const {
    return i >= 0 && i < Count() ? buttons_[static_cast<size_t>(i)]->text() : QString();
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int i) {
    if (i >= 0 && i < Count()) buttons_[static_cast<size_t>(i)]->setChecked(true);
}

}  // namespace opt
