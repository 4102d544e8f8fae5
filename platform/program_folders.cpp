#include "platform/program_folders.h"

#include <cstdlib>
#include <string_view>
#include <system_error>

namespace opt {

namespace fs = std::filesystem;

ProgramFolders PortableFolders(const fs::path& dir) { return {dir / "SaveData", dir / "AppData", true}; }

ProgramFolders FindProgramFolders(const fs::path& exeDir, const char* xdgDataHome, const char* home) {
    std::error_code ec;
    if (fs::is_regular_file(exeDir / kPortableMarker, ec)) return PortableFolders(exeDir);
    fs::path data;
    if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute())
        data = xdgDataHome;
    else if (home != nullptr && *home != '\0')
        data = fs::path(home) / ".local" / "share";
    else
        data = fs::current_path(ec) / ".local" / "share";
    const fs::path root = data / "zedaruz";
    return {root / "SaveData", root / "AppData", false};
}

ProgramFolders FindProgramFolders(const fs::path& exeDir) {
    return FindProgramFolders(exeDir, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

fs::path ExecutableDirFromArgv0(std::string_view argv0) {
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    if (argv0.find('/') != std::string_view::npos) return fs::weakly_canonical(cwd / argv0, ec).parent_path();
    if (const char* path = std::getenv("PATH"); path != nullptr && !argv0.empty()) {
        std::string_view rest = path;
        while (true) {
            const size_t colon = rest.find(':');
            const std::string_view part = rest.substr(0, colon);
            const fs::path dir = part.empty() ? cwd : fs::path(part);
            if (fs::exists(dir / argv0, ec)) return fs::weakly_canonical(dir / argv0, ec).parent_path();
            if (colon == std::string_view::npos) break;
            rest.remove_prefix(colon + 1);
        }
    }
    return cwd;
}

fs::path ExecutableDir(const char* argv0) {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.is_absolute()) return exe.parent_path();
    return ExecutableDirFromArgv0(argv0 != nullptr ? argv0 : "");
}

bool EnsureFolder(const fs::path& dir) {
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return true;
    fs::create_directories(dir, ec);
    return false;
}

}  // namespace opt
