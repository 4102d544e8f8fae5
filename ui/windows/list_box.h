// The viewer window's list box SB: a list view over the lines of every listing. Lines arrive one by
// one through AddListLine and reach the view in one batch per listing (or at the next turn of the
// event loop), so tens of thousands of lines cost no per-line widget work. Every row is as wide as
// the widest line, so no line is cut and the box scrolls sideways when lines are wider than it.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <array>
#include <string>
#include <vector>

#include "model/line_sink.h"

namespace opt {

class ListBoxModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Appends a line; the view sees it at the next Flush.
    void Append(const std::string& line) { lines_.push_back(line); }
    // Shows every appended line in one insertion; returns the row of the first new line, or -1.
    int Flush();
    // Puts these lines in place of all others, shown at once.
    void Replace(std::vector<std::string> lines);
    // Every line, shown or not yet shown.
    const std::vector<std::string>& Lines() const { return lines_; }
    size_t Shown() const { return shown_; }

private:
    std::vector<std::string> lines_;
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
    void Replace(std::vector<std::string> lines);
    int Count() const { return static_cast<int>(model_->Lines().size()); }
    const std::vector<std::string>& Lines() const { return model_->Lines(); }
    // The width every row gets: the widest line shown, in pixels of the box's font.
    int RowWidth() const { return rowWidth_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Widens the rows to the widest of the lines from row `from` on.
    void MeasureFrom(size_t from);
    void MeasureAll();

    ListBoxModel* model_;
    std::array<int, 256> advance_{};  // pixel advance of every Latin-1 character in the box's font
    int rowWidth_ = 0;
    bool flushQueued_ = false;
};

}  // namespace opt
