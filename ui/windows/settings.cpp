#include "ui/windows/settings.h"

#include <QStringList>
#include <algorithm>
#include <memory>

namespace opt {

namespace {

std::unique_ptr<QSettings>& Instance() {
    static std::unique_ptr<QSettings> settings;
    return settings;
}

QString& ChosenFile() {
    static QString file;
    return file;
}

}  // namespace

QSettings& AppSettings() {
    auto& settings = Instance();
    if (!settings) {
        QString file = ChosenFile();
        if (file.isEmpty()) file = qEnvironmentVariable("ZEDARUZ_SETTINGS");
        if (file.isEmpty())
            settings = std::make_unique<QSettings>(QStringLiteral("Zedaruz"), QStringLiteral("zedaruz"));
        else
            settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    }
    return *settings;
}

void UseSettingsFile(const QString& path) {
    if (Instance()) Instance()->sync();
    Instance().reset();
    ChosenFile() = path;
}

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    list.insert(list.begin(), path);
    if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
    return list;
}

std::vector<std::string> RecentFiles() {
    std::vector<std::string> files;
    for (const QString& f : AppSettings().value(QString::fromLatin1(setting::kRecentFiles)).toStringList())
        if (!f.isEmpty() && files.size() < kRecentFileCount) files.push_back(f.toLocal8Bit().toStdString());
    return files;
}

void SetRecentFiles(const std::vector<std::string>& files) {
    QStringList list;
    for (const std::string& f : files)
        list.push_back(QString::fromLocal8Bit(f.data(), static_cast<qsizetype>(f.size())));
    AppSettings().setValue(QString::fromLatin1(setting::kRecentFiles), list);
}

}  // namespace opt
