// The reader: walks one OPT file's block tree into the model store.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/line_sink.h"
#include "model/store.h"

namespace opt {

// The three lists the reader fills as it walks: warnings to the listing box, LOD numbers to the
// resolution box, texture names to the texture list.
struct ReaderSinks {
    LineSink& listing;
    LineSink& resolutions;
    LookupSink& textures;
};

// Clears the store and loads the named file into it. Throws OptError("Cannot open file <path>")
// when the file cannot be read; the tables are cleared before that.
void Load(ModelStore& store, const std::string& path, ReaderSinks sinks);

// Clears the store and loads an OPT image already in memory. Never fails: damaged input loads as
// far as it can, and one warning line per kind of damage goes to the listing sink.
void LoadBytes(ModelStore& store, std::span<const uint8_t> bytes, ReaderSinks sinks);

// Reads a whole file into memory; throws OptError("Cannot open file <path>") on failure.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

}  // namespace opt
