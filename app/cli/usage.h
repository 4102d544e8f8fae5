// Usage errors of zedaruz-cli: every one is said the same way, on standard error --
//   one line saying what is wrong,
//   the command's usage line ("Usage: zedaruz-cli export-gltf FILE OUT [--lod N | --all-lods]"),
//   "Run 'zedaruz-cli export-gltf --help' for more",
// and exit status 2. Failures while doing the work are exit status 1 (Failure, model_loading.h).
#pragma once

#include <stdexcept>
#include <string>

namespace cli {

// Prints `what` (a sentence; a final full stop is added when it has none), the usage line of
// `command` and where to read more; returns 2. An empty command (or one the tool does not have) names
// the tool itself.
int UsageError(const std::string& command, const std::string& what);

// Words a command cannot take, found once its work has begun (a VALUE that is not a number, say):
// thrown by the work, said as UsageError(command, what()).
class BadWords : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The usage line of a command, or of the tool for an empty name, ending in a newline.
std::string UsageLine(const std::string& command);

}  // namespace cli
