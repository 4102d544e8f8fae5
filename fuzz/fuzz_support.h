// What the fuzz targets share: loading the input into a store as the viewer does, and a
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

// The one store of a fuzz target's process: every input loads into it, as the viewer loads each
// file into the store it keeps, so the tables' memory is reused from input to input.
inline opt::ModelStore& TargetStore() {
    static opt::ModelStore store;
    return store;
}

// The input loaded into the target's store (tables and the reader's lists).
inline opt::ModelStore& LoadInput(std::span<const uint8_t> image) {
    auto& store = TargetStore();
    opt::LoadBytes(store, image);
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
