// The one place the program keeps what should stay between runs (window places and sizes, the
// splitter, "Keep On Top", whether the control panel was open, the open dialog's last folder and the
// recent files). Everything goes through AppSettings(), so tests and --screenshot can point it at a
// file of their own and no such run reads or changes the user's settings.
#pragma once

#include <QSettings>
#include <QString>
#include <string>
#include <vector>

namespace opt {

// The settings of this run: the file UseSettingsFile named, else the file the environment variable
// ZEDARUZ_SETTINGS names, else the user's own settings.
QSettings& AppSettings();
// From now on the settings live in this INI file (created when first written).
void UseSettingsFile(const QString& path);

// The keys, one per remembered value.
namespace setting {
inline constexpr const char* kViewerGeometry = "viewer/geometry";
inline constexpr const char* kSplitter = "viewer/splitter";
inline constexpr const char* kPanelGeometry = "panel/geometry";
inline constexpr const char* kPanelOpen = "panel/open";
inline constexpr const char* kKeepOnTop = "panel/keepOnTop";
inline constexpr const char* kPalettesGeometry = "palettes/geometry";
inline constexpr const char* kLastDir = "open/lastDir";
inline constexpr const char* kRecentFiles = "open/recentFiles";
inline constexpr const char* kClassicTables = "view/classicTableSizes";
}  // namespace setting

// How many models File › Recent Files remembers.
inline constexpr size_t kRecentFileCount = 8;
// The list with `path` first, an earlier mention of it removed and at most kRecentFileCount entries.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path);

std::vector<std::string> RecentFiles();
void SetRecentFiles(const std::vector<std::string>& files);

}  // namespace opt
