// Loading the model a command works on, and turning errors into exit statuses.
#pragma once

#include <functional>
#include <string>

#include "model/store.h"

namespace cli {

// Loads FILE into the shared store (the reader's warnings go to standard error) and runs work on it.
// An OptError from the load or the work prints its message on standard error and gives status 1.
int RunOnModel(const std::string& file, const std::function<int(opt::ModelStore&)>& work);

// Prints the usage on standard error; returns 2.
int UsageError();

}  // namespace cli
