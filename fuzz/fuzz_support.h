// What the fuzz targets share: loading the input into the program's store as the viewer does, and a
// check that stops the run (and keeps the input as a crash file) when a property does not hold.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "model/line_sink.h"
#include "model/reader.h"
#include "model/store.h"

namespace fuzz {

// Counts lines and touches every byte, so the work behind them cannot be optimised away.
class CountingSink : public opt::MemoSink {
public:
    size_t bytes = 0;
    void AddLine(const std::string& line) override { bytes += line.size() + 1; }
    void ClearMemo() override {}
};

// The input loaded into the shared store, with the three lists the reader fills.
inline opt::ModelStore& LoadInput(std::span<const uint8_t> image) {
    auto& store = opt::TheStore();
    CountingSink listing, resolutions;
    opt::VectorLookupSink textures;
    opt::LoadBytes(store, image, {listing, resolutions, textures});
    return store;
}

// Number of records of a table part the reader filled: its counter within 0..capacity.
inline int Kept(const opt::ModelStore& store, opt::Counter c, int capacity) {
    return opt::Clamped(store.Counters[c], capacity);
}

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}
inline void Require(bool holds, const char* what) {
    if (!holds) Fail(what);
}

}  // namespace fuzz
