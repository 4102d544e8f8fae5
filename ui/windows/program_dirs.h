// The two working directories beside the program: SaveDataDir for every file the program saves,
// AppDataDir for the lookup files. Both end with the platform's separator.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace opt {

struct ProgramDirs {
    std::string ProgramDir;
    std::string SaveDataDir;
    std::string AppDataDir;
};

// The directories of this run (set by PrepareProgramDirs at the viewer window's creation).
const ProgramDirs& TheDirs();

// The notice shown when AppDataDir is missing (it names "Hardpoint.txt"; the file read is
// "HardPoints.txt").
std::string MissingAppDataMessage(const std::string& appDataDir);

// Sets TheDirs() from the program directory, creates SaveDataDir when missing (silently; a failure
// is ignored), and when AppDataDir is missing shows MissingAppDataMessage through `notify`, then
// creates it (a failure is ignored).
void PrepareProgramDirs(const std::filesystem::path& programDir,
                        const std::function<void(const std::string&)>& notify);

}  // namespace opt
