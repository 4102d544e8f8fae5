// Puts a list of 8-bit text lines and a chosen position into a widget without firing the widget's
// click handlers: used to show state that the editing core keeps as plain data.
#pragma once

#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QPlainTextEdit;

namespace opt {

class RadioGroup;

// The list holds exactly `items`, with entry `index` current and selected (-1: none). The list is
// refilled only when its entries differ.
void MirrorList(QListWidget* list, const std::vector<std::string>& items, int index);

// The radio group holds exactly `items`, with item `index` checked (-1: none).
void MirrorRadioGroup(RadioGroup* group, const std::vector<std::string>& items, int index);

// The drop-down's list holds exactly `items`, and its edit text is `text`.
void MirrorCombo(QComboBox* box, const std::vector<std::string>& items, const std::string& text);

// The memo's text as lines (none when it is empty), and the memo set to exactly these lines.
std::vector<std::string> MemoLinesOf(const QPlainTextEdit* memo);
void SetMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);

}  // namespace opt
