// A list box's click event as the form toolkit fires it: once when the user picks an entry with the
// mouse (also the entry already selected) and once per keyboard move of the selection. Clearing or
// refilling the list fires nothing.
#pragma once

#include <functional>

class QListWidget;

namespace opt {

// Runs handler(position of the entry) through the error guard on each click of the list.
void OnListClick(QListWidget* list, std::function<void(int)> handler);
// Marks entry `row` as the list's current one without a click (nothing where the list has no such
// entry).
void MarkRow(QListWidget* list, int row);

}  // namespace opt
