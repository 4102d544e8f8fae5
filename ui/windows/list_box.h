// The viewer window's list box SB: a list view over the lines of every listing. Lines arrive one by
// one through AddListLine and reach the view in one batch per listing (or at the next turn of the
// event loop), so tens of thousands of lines cost no per-line widget work.
#pragma once

#include <QAbstractListModel>
#include <QListView>
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
    // Shows every appended line in one insertion.
    void Flush();
    void Clear();
    // Every line, shown or not yet shown.
    const std::vector<std::string>& Lines() const { return lines_; }

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
    // Shows the lines added since the last flush.
    void Flush();
    // "Clear List Box": empties it.
    void Clear();
    int Count() const { return static_cast<int>(model_->Lines().size()); }
    const std::vector<std::string>& Lines() const { return model_->Lines(); }

private:
    ListBoxModel* model_;
    bool flushQueued_ = false;
};

}  // namespace opt
