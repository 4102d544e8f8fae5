// The reader: walks one OPT file's block tree into the model store.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/store.h"

namespace opt {

// Clears the store and loads the named file into it: the tables, the file image, and the reader's
// lists (Warnings, Lod_Numbers, Texture_List), with the store's own table limits. Throws
// OptError("Cannot open file <path>") when the file cannot be read; the tables and lists are cleared
// before that.
void Load(ModelStore& store, const std::string& path);

// Clears the store and loads an OPT image already in memory. Never fails: damaged input loads as
// far as it can, and one warning line per kind of damage goes to the store's Warnings.
void LoadBytes(ModelStore& store, std::span<const uint8_t> bytes);

// The LOD numbers the load met as the resolution box lists them: "0", "1", ... in reading order.
std::vector<std::string> ResolutionLines(const ModelStore& store);

// Reads a whole file into memory; throws OptError("Cannot open file <path>") on failure.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

}  // namespace opt
