#include "ui/windows/program_dirs.h"

#include <filesystem>
#include <system_error>

#include "render/core/image_export_names.h"

namespace opt {

namespace {
ProgramDirs& Dirs() {
    static ProgramDirs dirs;
    return dirs;
}
}  // namespace

const ProgramDirs& TheDirs() { return Dirs(); }

std::string MissingAppDataMessage(const std::string& appDataDir) {
    return "Directory and files missing. The directory " + appDataDir +
           " will be created .Please put the files Hardpoint.txt and MeshType.txt in this directory";
}

void PrepareProgramDirs(const ProgramFolders& folders,
                        const std::function<void(const std::string&)>& notify) {
    ProgramDirs& d = Dirs();
    d.SaveDataDir = DirWithSeparator(folders.SaveData.string());
    d.AppDataDir = DirWithSeparator(folders.AppData.string());
    EnsureFolder(folders.SaveData);
    std::error_code ec;
    if (!std::filesystem::is_directory(folders.AppData, ec)) {
        notify(MissingAppDataMessage(d.AppDataDir));
        EnsureFolder(folders.AppData);
    }
}

}  // namespace opt
