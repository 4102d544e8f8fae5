#include "ui/windows/list_box.h"

#include <QPalette>
#include <QStyledItemDelegate>

namespace opt {

namespace {
constexpr int kItemHeight = 13;

// Every row the same height, so the view lays out any number of rows at once.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
    }
};
}  // namespace

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() < 0 ||
        static_cast<size_t>(index.row()) >= shown_)
        return {};
    const std::string& line = lines_[static_cast<size_t>(index.row())];
    return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

void ListBoxModel::Flush() {
    if (shown_ == lines_.size()) return;
    beginInsertRows(QModelIndex(), static_cast<int>(shown_), static_cast<int>(lines_.size()) - 1);
    shown_ = lines_.size();
    endInsertRows();
}

void ListBoxModel::Clear() {
    beginResetModel();
    lines_.clear();
    shown_ = 0;
    endResetModel();
}

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(new ListBoxModel(this)) {
    setObjectName(QStringLiteral("SB"));
    setModel(model_);
    setItemDelegate(new FixedHeightDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, QColor(0, 128, 128));  // teal
    setPalette(pal);
}

void ListBox::AddListLine(const std::string& line) {
    model_->Append(line);
    if (flushQueued_) return;
    flushQueued_ = true;
    // Lines written outside a listing command (reader warnings) show at the next turn of the loop.
    QMetaObject::invokeMethod(
        this, [this] { Flush(); }, Qt::QueuedConnection);
}

void ListBox::Flush() {
    flushQueued_ = false;
    model_->Flush();
}

void ListBox::Clear() { model_->Clear(); }

}  // namespace opt
