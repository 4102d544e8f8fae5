#include "ui/windows/widget_sinks.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace opt {

QString Latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
std::string FromLatin1(const QString& s) { return s.toLatin1().toStdString(); }

void ListItemsSink::AddLine(const std::string& line) { list_->addItem(Latin1(line)); }

void MemoWidgetSink::AddLine(const std::string& line) { memo_->appendPlainText(Latin1(line)); }

void MemoWidgetSink::ClearMemo() { memo_->clear(); }

}  // namespace opt
