// The floors that loading is measured against: reading a file into memory in one call and clearing
// the store, which every load does too; for the large model also touching every byte once, as any
// reader of the whole file must.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "model/store.h"

namespace bench_floor {

inline std::vector<unsigned char> ReadFile(const char* path) {
    std::FILE* f = std::fopen(path, "rb");
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), f));
    std::fclose(f);
    return bytes;
}

inline void ReadFileAndClearStore(const char* path, opt::ModelStore& store) {
    const std::vector<unsigned char> bytes = ReadFile(path);
    store.ClearTables();
    benchmark::DoNotOptimize(bytes.data());
}

inline void ReadFileTouchEveryByteAndClearStore(const char* path, opt::ModelStore& store) {
    const std::vector<unsigned char> bytes = ReadFile(path);
    uint64_t sum = 0;
    for (const unsigned char b : bytes) sum += b;
    benchmark::DoNotOptimize(sum);
    store.ClearTables();
}

}  // namespace bench_floor
