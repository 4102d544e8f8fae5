// Loading the model a command works on, and turning errors into exit statuses.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/store.h"

namespace cli {

// Loads FILE into the shared store (the reader's warnings go to standard error) and runs work on it.
// An OptError from the load or the work prints its message on standard error and gives status 1.
int RunOnModel(const std::string& file, const std::function<int(opt::ModelStore&)>& work);

// A model loaded into a store of the caller's: the file's bytes and the reader's lines (warnings and
// notes), in order.
struct LoadedModel {
    std::vector<uint8_t> Bytes;
    std::vector<std::string> Warnings;
};
// Throws OptError("Cannot open file <path>") when the file cannot be read.
LoadedModel LoadModel(opt::ModelStore& store, const std::string& file);

// Prints the usage on standard error; returns 2.
int UsageError();

}  // namespace cli
