// Line sinks over the control panel's widgets: the palette listing adds palette numbers to the
// palette panel's list; the face and vertex summaries go into the memo.
#pragma once

#include <QString>
#include <string>

#include "model/line_sink.h"

class QListWidget;
class QPlainTextEdit;

namespace opt {

// 8-bit text of the model (names, numbers) as shown in a widget.
QString Latin1(const std::string& s);
std::string FromLatin1(const QString& s);

// Adds each line as an entry of a list box.
class ListItemsSink : public LineSink {
public:
    explicit ListItemsSink(QListWidget* list) : list_(list) {}
    void AddLine(const std::string& line) override;

private:
    QListWidget* list_;
};

// The memo: emptied, then written line by line.
class MemoWidgetSink : public MemoSink {
public:
    explicit MemoWidgetSink(QPlainTextEdit* memo) : memo_(memo) {}
    void AddLine(const std::string& line) override;
    void ClearMemo() override;

private:
    QPlainTextEdit* memo_;
};

}  // namespace opt
