// The command-line companion's commands. Each takes the words after the command name and returns
// the process exit status: 0 done, 1 the work failed (message on standard error), 2 bad usage.
#pragma once

#include <string>
#include <vector>

namespace cli {

using Args = std::vector<std::string>;

int ListCommand(const Args& args);
int ExportBmpCommand(const Args& args);
int ExportPalsCommand(const Args& args);

// Usage text of the whole tool.
std::string Usage();

}  // namespace cli
