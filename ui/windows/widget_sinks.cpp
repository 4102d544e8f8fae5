#include "ui/windows/widget_sinks.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>

namespace opt {

QString Latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
std::string FromLatin1(const QString& s) { return s.toLatin1().toStdString(); }

void ComboItemsSink::AddLine(const std::string& line) { box_->addItem(Latin1(line)); }

void ListItemsSink::AddLine(const std::string& line) { list_->addItem(Latin1(line)); }

bool ListItemsSink::Contains(const std::string& line) const {
    const QString text = Latin1(line);
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->text() == text) return true;
    return false;
}

void MemoWidgetSink::AddLine(const std::string& line) { memo_->appendPlainText(Latin1(line)); }

void MemoWidgetSink::ClearMemo() { memo_->clear(); }

}  // namespace opt
