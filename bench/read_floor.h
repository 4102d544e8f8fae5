// The floor that loading is measured against: reading a file into memory in one call and clearing
// the store, which every load does too.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "model/store.h"

namespace bench_floor {

inline void ReadFileAndClearStore(const char* path, opt::ModelStore& store) {
    std::FILE* f = std::fopen(path, "rb");
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), f));
    std::fclose(f);
    store.ClearTables();
    benchmark::DoNotOptimize(bytes.data());
}

}  // namespace bench_floor
