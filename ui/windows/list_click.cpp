#include "ui/windows/list_click.h"

#include <QEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <memory>

#include "ui/windows/error_guard.h"

namespace opt {

namespace {

// Tells a mouse press on the list apart from a keyboard move: the press changes the current entry
// before the click arrives, and only the click counts.
class PressWatch : public QObject {
public:
    using QObject::QObject;
    bool pressing = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            pressing = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            pressing = false;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void OnListClick(QListWidget* list, std::function<void(int)> handler) {
    auto* watch = new PressWatch(list);
    list->viewport()->installEventFilter(watch);
    auto run = std::make_shared<std::function<void(int)>>(std::move(handler));
    QObject::connect(list, &QListWidget::currentRowChanged, list, [watch, run](int row) {
        if (row < 0 || watch->pressing) return;
        RunGuarded([&] { (*run)(row); });
    });
    QObject::connect(list, &QListWidget::clicked, list, [run](const QModelIndex& index) {
        if (!index.isValid()) return;
        RunGuarded([&] { (*run)(index.row()); });
    });
}

void MarkRow(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) return;
    const QSignalBlocker quiet(list);  // a mark, not a click
    list->setCurrentRow(row);
}

}  // namespace opt
