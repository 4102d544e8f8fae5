// Where Zedaruz keeps its two working folders: SaveData (every file the program saves) and AppData
// (the lookup files HardPoints.txt and MeshType.txt). The window, the command line and the write
// journal all ask this one function.
//
// A folder that holds the marker file "zedaruz-portable" beside the executable keeps both folders
// there (the build writes the marker into the build folder, so a bundled build works in place).
// Otherwise they live under $XDG_DATA_HOME/zedaruz/ (default ~/.local/share/zedaruz/; on Windows
// %APPDATA%\zedaruz\). Write
// permission never decides: root can write /usr/bin.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace opt {

inline constexpr const char* kPortableMarker = "zedaruz-portable";

struct ProgramFolders {
    std::filesystem::path SaveData;
    std::filesystem::path AppData;
    bool Portable = false;
};

// Both folders beside `dir` (a portable program folder).
ProgramFolders PortableFolders(const std::filesystem::path& dir);

// The folders for a program whose executable lies in exeDir. xdgDataHome and home are the values of
// $XDG_DATA_HOME and $HOME (nullptr when unset); a relative XDG_DATA_HOME is ignored, as the XDG base
// directory rules ask. Without either, the current folder's ".local/share" is used.
ProgramFolders FindProgramFolders(const std::filesystem::path& exeDir, const char* xdgDataHome,
                                  const char* home);

// The same, with the values of this process's environment.
ProgramFolders FindProgramFolders(const std::filesystem::path& exeDir);

// What separates folders in a path, and the folders of $PATH.
#if defined(_WIN32)
inline constexpr const char* kPathSeparators = "/\\";
inline constexpr char kPathListSeparator = ';';
#else
inline constexpr const char* kPathSeparators = "/";
inline constexpr char kPathListSeparator = ':';
#endif

// The folder of the running executable: the module's own path on Windows (GetModuleFileNameW), the
// link /proc/self/exe where the system offers it, else argv0 taken as a path (relative to the current
// folder) when it holds a separator, else the first folder of $PATH that holds an entry of that name,
// else the current folder.
std::filesystem::path ExecutableDir(const char* argv0);
// The argv0 part of that rule alone.
std::filesystem::path ExecutableDirFromArgv0(std::string_view argv0);

// Creates the folder and any missing parents. Returns false when it did not exist before; a failure
// to create is ignored here and shows later as a failed save or open.
bool EnsureFolder(const std::filesystem::path& dir);

}  // namespace opt
