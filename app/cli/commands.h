// The command-line companion's commands. Each command file registers its commands with one function
// (Add...Command) that BuildCommandLine calls; the work takes the words after the command name and
// returns the process exit status: 0 done, 1 the work failed (message on standard error), 2 bad usage
// (UsageError, usage.h).
#pragma once

#include <string>
#include <vector>

#include "app/cli/command_line.h"
#include "app/cli/usage.h"

namespace cli {

void AddListCommand(CLI::App& app);
void AddInfoCommand(CLI::App& app);
void AddCheckCommand(CLI::App& app);
void AddDiffCommand(CLI::App& app);
// export-bmp and export-pals.
void AddExportCommands(CLI::App& app);
// set-hardpoint, set-descriptor, set-lod-distance, set-rsh and hitzones.
void AddPatchCommands(CLI::App& app);
// export-gltf and export-obj.
void AddModelExportCommands(CLI::App& app);
// import-texture.
void AddImportTextureCommand(CLI::App& app);
// history and revert.
void AddJournalCommands(CLI::App& app);
// set-hardpoints.
void AddSetHardpointsCommand(CLI::App& app);

int ListCommand(const Args& args);
// The in-place patches, through the control panel's edit area (app/cli/patch_commands.cpp).
int SetHardpointCommand(const Args& args);
int SetDescriptorCommand(const Args& args);
int SetLodDistanceCommand(const Args& args);
int SetRshCommand(const Args& args);
int HitZonesCommand(const Args& args);
// Several hardpoints moved in one write (app/cli/set_hardpoints_command.cpp): FILE --json LIST.
int SetHardpointsCommand(const Args& args);
int ExportBmpCommand(const Args& args);
// The write journal (app/cli/journal_commands.cpp): the writes recorded for a file, and their revert.
int HistoryCommand(const Args& args);
int RevertCommand(const Args& args);
int ExportPalsCommand(const Args& args);
// The model as glTF 2.0 (.glb or .gltf) or as OBJ + MTL + PNG (app/cli/export_model_commands.cpp).
int ExportGltfCommand(const Args& args);
int ExportObjCommand(const Args& args);
// A picture written over a texture's pixels in place (app/cli/import_command.cpp).
int ImportTextureCommand(const Args& args);

// Usage text of the whole tool (its --help).
std::string Usage();

}  // namespace cli
