#include "platform/program_folders.h"

#include <string_view>
#include <system_error>

#include "platform/environment.h"
#include "platform/utf8_path.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace opt {

namespace fs = std::filesystem;

ProgramFolders PortableFolders(const fs::path& dir) { return {dir / "SaveData", dir / "AppData", true}; }

ProgramFolders FindProgramFolders(const fs::path& exeDir, const char* xdgDataHome, const char* home) {
    std::error_code ec;
    if (fs::is_regular_file(exeDir / kPortableMarker, ec)) return PortableFolders(exeDir);
    fs::path data;
    // Absolute: from the root folder (on Windows "\\data" counts too, on the current drive).
    if (xdgDataHome != nullptr && Utf8Path(xdgDataHome).has_root_directory())
        data = Utf8Path(xdgDataHome);
    else if (home != nullptr && *home != '\0')
        data = Utf8Path(home) / ".local" / "share";
    else
        data = fs::current_path(ec) / ".local" / "share";
    const fs::path root = data / "zedaruz";
    return {root / "SaveData", root / "AppData", false};
}

ProgramFolders FindProgramFolders(const fs::path& exeDir) {
    auto dataHome = EnvironmentUtf8("XDG_DATA_HOME");
#if defined(_WIN32)
    // Windows' own place for a user's program data (roaming), where no XDG data home is set.
    if (!dataHome || !Utf8Path(*dataHome).has_root_directory()) dataHome = EnvironmentUtf8("APPDATA");
    const auto home = EnvironmentUtf8("USERPROFILE");
#else
    const auto home = EnvironmentUtf8("HOME");
#endif
    return FindProgramFolders(exeDir, dataHome ? dataHome->c_str() : nullptr, home ? home->c_str() : nullptr);
}

fs::path ExecutableDirFromArgv0(std::string_view argv0) {
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    if (argv0.find_first_of(kPathSeparators) != std::string_view::npos)
        return fs::weakly_canonical(cwd / Utf8Path(argv0), ec).parent_path();
    if (const auto path = EnvironmentUtf8("PATH"); path && !argv0.empty()) {
        std::string_view rest = *path;
        while (true) {
            const size_t end = rest.find(kPathListSeparator);
            const std::string_view part = rest.substr(0, end);
            const fs::path dir = part.empty() ? cwd : Utf8Path(part);
            if (fs::exists(dir / Utf8Path(argv0), ec))
                return fs::weakly_canonical(dir / Utf8Path(argv0), ec).parent_path();
            if (end == std::string_view::npos) break;
            rest.remove_prefix(end + 1);
        }
    }
    return cwd;
}

fs::path ExecutableDir(const char* argv0) {
#if defined(_WIN32)
    // The module's own path; a name longer than the buffer falls back to argv0.
    std::wstring name(32768, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length > 0 && length < name.size()) return fs::path(name.substr(0, length)).parent_path();
#else
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.is_absolute()) return exe.parent_path();
#endif
    return ExecutableDirFromArgv0(argv0 != nullptr ? argv0 : "");
}

bool EnsureFolder(const fs::path& dir) {
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return true;
    fs::create_directories(dir, ec);
    return false;
}

}  // namespace opt
