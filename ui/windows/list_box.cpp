#include "ui/windows/list_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace opt {

namespace {
constexpr int kItemHeight = 13;

// Every row the same size: the height of the design and the width of the widest line, so the view
// lays out any number of rows at once and never cuts a line.
class RowDelegate : public QStyledItemDelegate {
public:
    explicit RowDelegate(ListBox* box) : QStyledItemDelegate(box), box_(box) {}
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {box_->RowWidth(), kItemHeight};
    }

private:
    ListBox* box_;
};

QString Latin1(const std::string& line) {
    return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

}  // namespace

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() < 0 ||
        static_cast<size_t>(index.row()) >= shown_)
        return {};
    return Latin1(lines_[static_cast<size_t>(index.row())]);
}

int ListBoxModel::Flush() {
    if (shown_ == lines_.size()) return -1;
    const int first = static_cast<int>(shown_);
    beginInsertRows(QModelIndex(), first, static_cast<int>(lines_.size()) - 1);
    shown_ = lines_.size();
    endInsertRows();
    return first;
}

void ListBoxModel::Replace(std::vector<std::string> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    shown_ = lines_.size();
    endResetModel();
}

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(new ListBoxModel(this)) {
    setObjectName(QStringLiteral("SB"));
    setModel(model_);
    setItemDelegate(new RowDelegate(this));
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, QColor(0, 128, 128));  // teal
    setPalette(pal);
    MeasureAll();
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
    const size_t before = model_->Shown();
    const int first = model_->Flush();
    if (first < 0) return;
    MeasureFrom(before);
    // The new lines are what the user asked for: the first of them goes to the top of the box.
    scrollTo(model_->index(first), QAbstractItemView::PositionAtTop);
}

void ListBox::Clear() { Replace({}); }

void ListBox::Replace(std::vector<std::string> lines) {
    flushQueued_ = false;
    model_->Replace(std::move(lines));
    rowWidth_ = 0;
    MeasureFrom(0);
}

void ListBox::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) MeasureAll();
}

void ListBox::MeasureAll() {
    const QFontMetrics metrics(font());
    for (int c = 0; c < 256; ++c) advance_[static_cast<size_t>(c)] = metrics.horizontalAdvance(QChar(c));
    rowWidth_ = 0;
    MeasureFrom(0);
}

void ListBox::MeasureFrom(size_t from) {
    // Summing the advances of a line's characters is cheap enough for 50,000 lines; the widest line
    // found that way is then measured whole, so kerning cannot make it wider than its row.
    const auto& lines = model_->Lines();
    int widest = 0;
    size_t widestLine = lines.size();
    for (size_t i = from; i < model_->Shown(); ++i) {
        int sum = 0;
        for (unsigned char c : lines[i]) sum += advance_[c];
        if (sum > widest) {
            widest = sum;
            widestLine = i;
        }
    }
    if (widestLine == lines.size()) return;
    const int exact = QFontMetrics(font()).horizontalAdvance(Latin1(lines[widestLine]));
    // The delegate draws the text inside a focus-frame margin on either side.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    const int width = std::max(widest, exact) + margin;
    if (width <= rowWidth_) return;
    rowWidth_ = width;
    // The rows share one cached size: lay them out again with the new width.
    scheduleDelayedItemsLayout();
}

}  // namespace opt
