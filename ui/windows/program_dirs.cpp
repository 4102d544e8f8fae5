#include "ui/windows/program_dirs.h"

#include <system_error>

#include "render/core/image_export_names.h"

namespace opt {

namespace {
ProgramDirs& Dirs() {
    static ProgramDirs dirs;
    return dirs;
}
bool IsDirectory(const std::string& dir) {
    std::error_code ec;
    return std::filesystem::is_directory(dir, ec);
}
void CreateOneLevel(const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directory(dir, ec);  // one level; a failure shows later as a save error
}
}  // namespace

const ProgramDirs& TheDirs() { return Dirs(); }

std::string MissingAppDataMessage(const std::string& appDataDir) {
    return "Directory and files missing. The directory " + appDataDir +
           " will be created .Please put the files Hardpoint.txt and MeshType.txt in this directory";
}

void PrepareProgramDirs(const std::filesystem::path& programDir,
                        const std::function<void(const std::string&)>& notify) {
    ProgramDirs& d = Dirs();
    d.ProgramDir = DirWithSeparator(programDir.string());
    d.SaveDataDir = DirWithSeparator(d.ProgramDir + "SaveData");
    d.AppDataDir = DirWithSeparator(d.ProgramDir + "AppData");
    if (!IsDirectory(d.SaveDataDir)) CreateOneLevel(d.SaveDataDir);
    if (!IsDirectory(d.AppDataDir)) {
        notify(MissingAppDataMessage(d.AppDataDir));
        CreateOneLevel(d.AppDataDir);
    }
}

}  // namespace opt
