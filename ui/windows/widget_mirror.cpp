#include "ui/windows/widget_mirror.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "ui/windows/radio_group.h"
#include "ui/windows/widget_sinks.h"

namespace opt {

namespace {

template <class TextAt>
bool SameItems(int count, TextAt textAt, const std::vector<std::string>& items) {
    if (count != static_cast<int>(items.size())) return false;
    for (int i = 0; i < count; ++i)
        if (textAt(i) != Latin1(items[static_cast<size_t>(i)])) return false;
    return true;
}

}  // namespace

void MirrorList(QListWidget* list, const std::vector<std::string>& items, int index) {
    const QSignalBlocker quiet(list);
    if (!SameItems(
            list->count(), [list](int i) { return list->item(i)->text(); }, items)) {
        list->clear();
        for (const auto& line : items) list->addItem(Latin1(line));
    }
    if (index >= 0 && index < list->count()) {
        list->setCurrentRow(index);
    } else {
        list->clearSelection();
        list->setCurrentRow(-1);
    }
}

void MirrorRadioGroup(RadioGroup* group, const std::vector<std::string>& items, int index) {
    if (!SameItems(
            group->Count(), [group](int i) { return group->ItemText(i); }, items)) {
        group->ClearItems();
        for (const auto& line : items) group->AddItem(Latin1(line));
    }
    if (index >= 0 && index < group->Count()) {
        group->SetItemIndex(index);
    } else if (QAbstractButton* checked = group->Group()->checkedButton()) {
        // An exclusive group never lets its last checked button go.
        group->Group()->setExclusive(false);
        checked->setChecked(false);
        group->Group()->setExclusive(true);
    }
}

void MirrorCombo(QComboBox* box, const std::vector<std::string>& items, const std::string& text) {
    const QSignalBlocker quiet(box);
    if (!SameItems(
            box->count(), [box](int i) { return box->itemText(i); }, items)) {
        box->clear();
        for (const auto& line : items) box->addItem(Latin1(line));
    }
    box->setCurrentIndex(-1);
    box->setEditText(Latin1(text));
}

std::vector<std::string> MemoLinesOf(const QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(FromLatin1(line));
    return lines;
}

void SetMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    QStringList text;
    for (const auto& line : lines) text << Latin1(line);
    memo->setPlainText(text.join(QLatin1Char('\n')));
}

}  // namespace opt
