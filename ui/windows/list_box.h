// The viewer window's list box SB: a list view over the lines of every listing. Lines arrive one by
// one through AddListLine into one text buffer (no allocation per line) and reach the view in one
// batch per listing (or at the next turn of the event loop), so a million lines cost no per-line
// widget work. Every row is as wide as the widest line, tracked while the lines arrive, so no line is
// cut and the box scrolls sideways when lines are wider than it.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <array>
#include <string>
#include <vector>

#include "model/line_sink.h"
#include "model/line_store.h"

namespace opt {

class ListBoxModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Appends a line; the view sees it at the next Flush.
    void Append(std::string_view line) { lines_.Append(line); }
    // Shows every appended line in one insertion; returns the row of the first new line, or -1.
    int Flush();
    // Puts these lines in place of all others, shown at once.
    void Replace(LineStore lines);
    // Every line, shown or not yet shown.
    const LineStore& Lines() const { return lines_; }
    LineStore& Lines() { return lines_; }
    size_t Shown() const { return shown_; }

private:
    LineStore lines_;
    size_t shown_ = 0;
};

class ListBox : public QListView, public LineSink {
public:
    explicit ListBox(QWidget* parent = nullptr);

    // The only way text reaches the list box: one line at its end.
    void AddListLine(const std::string& line);
    void AddLine(const std::string& line) override { AddListLine(line); }
    // Shows the lines added since the last flush and scrolls the first of them to the top.
    void Flush();
    // "Clear List Box": empties it.
    void Clear();
    // Shows exactly these lines (a resize reload puts back what the box held).
    void Replace(LineStore lines);
    int Count() const { return static_cast<int>(model_->Lines().Count()); }
    // Every line, as the box holds them and "Save  Vxs" writes them.
    const LineStore& Store() const { return model_->Lines(); }
    // A copy of every line as strings of their own (for checks on what the box shows).
    std::vector<std::string> Lines() const { return model_->Lines().Copy(); }
    // The width every row gets: the widest line shown, in pixels of the box's font.
    int RowWidth() const { return rowWidth_; }
    // One line drawn in the empty box, saying what comes there; it is no line of the box.
    void SetEmptyHint(const QString& hint);
    const QString& EmptyHint() const { return emptyHint_; }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Widens the rows to the widest line the store has found, measured whole.
    void WidenRows();
    // Takes the advances of the box's font and sizes the rows again from nothing.
    void MeasureAll();
    void RemeasureRows();

    ListBoxModel* model_;
    LineStore::Advances advance_{};  // pixel advance of every Latin-1 character in the box's font
    int rowWidth_ = 0;
    size_t measuredLine_ = LineStore::kNone;  // the line WidenRows measured last
    bool flushQueued_ = false;
    QString emptyHint_;
};

}  // namespace opt
