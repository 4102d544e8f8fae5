#include "ui/windows/list_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <climits>

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

QString Latin1(std::string_view line) {
    return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

}  // namespace

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::min<size_t>(shown_, INT_MAX));
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() < 0 ||
        static_cast<size_t>(index.row()) >= shown_)
        return {};
    return Latin1(lines_.Line(static_cast<size_t>(index.row())));
}

int ListBoxModel::Flush() {
    const size_t all = std::min<size_t>(lines_.Count(), INT_MAX);
    if (shown_ >= all) return -1;
    const int first = static_cast<int>(shown_);
    beginInsertRows(QModelIndex(), first, static_cast<int>(all) - 1);
    shown_ = all;
    endInsertRows();
    return first;
}

void ListBoxModel::Replace(LineStore lines) {
    beginResetModel();
    lines_ = std::move(lines);
    shown_ = std::min<size_t>(lines_.Count(), INT_MAX);
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
    const int first = model_->Flush();
    if (first < 0) return;
    WidenRows();
    // The new lines are what the user asked for: the first of them goes to the top of the box.
    scrollTo(model_->index(first), QAbstractItemView::PositionAtTop);
}

void ListBox::Clear() { Replace({}); }

void ListBox::Replace(LineStore lines) {
    flushQueued_ = false;
    model_->Replace(std::move(lines));
    RemeasureRows();
}

void ListBox::SetEmptyHint(const QString& hint) {
    emptyHint_ = hint;
    viewport()->update();
}

void ListBox::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    if (emptyHint_.isEmpty() || model_->rowCount() > 0) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text).darker(130));
    painter.drawText(viewport()->rect().adjusted(4, 2, -4, -2),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     emptyHint_);  // whole, on more lines where the pane is narrow
}

void ListBox::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) MeasureAll();
}

void ListBox::MeasureAll() {
    const QFontMetrics metrics(font());
    for (int c = 0; c < 256; ++c) advance_[static_cast<size_t>(c)] = metrics.horizontalAdvance(QChar(c));
    RemeasureRows();
}

void ListBox::RemeasureRows() {
    model_->Lines().MeasureWith(advance_);  // a pass over the lines only when the advances changed
    rowWidth_ = 0;
    measuredLine_ = LineStore::kNone;
    WidenRows();
}

void ListBox::WidenRows() {
    // The store sums the advances of each line's characters as it arrives; the widest line found
    // that way is then measured whole, so kerning cannot make it wider than its row.
    const LineStore& lines = model_->Lines();
    const size_t widest = lines.WidestLine();
    if (widest == LineStore::kNone || widest == measuredLine_) return;
    measuredLine_ = widest;
    const int exact = QFontMetrics(font()).horizontalAdvance(Latin1(lines.Line(widest)));
    // The delegate draws the text inside a focus-frame margin on either side.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    const int64_t summed = std::min<int64_t>(lines.WidestWidth(), INT_MAX - margin);
    const int width = std::max(static_cast<int>(summed), exact) + margin;
    if (width <= rowWidth_) return;
    rowWidth_ = width;
    // The rows share one cached size: lay them out again with the new width.
    scheduleDelayedItemsLayout();
}

}  // namespace opt
