// The command-line companion's commands. Each takes the words after the command name and returns
// the process exit status: 0 done, 1 the work failed (message on standard error), 2 bad usage.
#pragma once

#include <string>
#include <vector>

namespace cli {

using Args = std::vector<std::string>;

int ListCommand(const Args& args);
// The in-place patches, through the control panel's edit area (app/cli/patch_commands.cpp).
int SetHardpointCommand(const Args& args);
int SetDescriptorCommand(const Args& args);
int SetLodDistanceCommand(const Args& args);
int SetRshCommand(const Args& args);
int HitZonesCommand(const Args& args);
int ExportBmpCommand(const Args& args);
// The write journal (app/cli/journal_commands.cpp): the writes recorded for a file, and their revert.
int HistoryCommand(const Args& args);
int RevertCommand(const Args& args);
int ExportPalsCommand(const Args& args);
// A picture written over a texture's pixels in place (app/cli/import_command.cpp).
int ImportTextureCommand(const Args& args);

// Usage text of the whole tool.
std::string Usage();

}  // namespace cli
