// The two working directories of this run: SaveDataDir for every file the program saves, AppDataDir
// for the lookup files. Both end with the platform's separator. Where they lie is decided by
// FindProgramFolders (platform/program_folders.h).
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/program_folders.h"

namespace opt {

struct ProgramDirs {
    std::string SaveDataDir;
    std::string AppDataDir;
};

// The directories of this run (set by PrepareProgramDirs at the viewer window's creation).
const ProgramDirs& TheDirs();

// The notice shown when AppDataDir is missing. It names "Hardpoint.txt": the editors and exports read
// "HardPoints.txt", and "Hardpoint.txt" where that one is missing (LookupFilePath).
std::string MissingAppDataMessage(const std::string& appDataDir);

// Sets TheDirs() from the folders, creates SaveDataDir when missing (silently; a failure is
// ignored), and when AppDataDir is missing shows MissingAppDataMessage through `notify`, naming that
// folder, then creates it (a failure is ignored).
void PrepareProgramDirs(const ProgramFolders& folders, const std::function<void(const std::string&)>& notify);

}  // namespace opt
