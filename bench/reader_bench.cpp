// Loading the max-capacity model against its floor: reading the same file into memory in one call
// and clearing the store.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "model/reader.h"
#include "model/store.h"

namespace {

void BM_LoadMaxCapacityModel(benchmark::State& state) {
    auto store = std::make_unique<opt::ModelStore>();
    for (auto _ : state) {
        opt::VectorSink listing, resolutions;
        opt::VectorLookupSink textures;
        opt::Load(*store, MAXCAP_MODEL_PATH, {listing, resolutions, textures});
        benchmark::DoNotOptimize(store->tvx[49].X[999]);
    }
}
BENCHMARK(BM_LoadMaxCapacityModel)->Unit(benchmark::kMillisecond);

void BM_FloorReadFileAndClearStore(benchmark::State& state) {
    auto store = std::make_unique<opt::ModelStore>();
    for (auto _ : state) {
        std::FILE* f = std::fopen(MAXCAP_MODEL_PATH, "rb");
        std::fseek(f, 0, SEEK_END);
        const long size = std::ftell(f);
        std::fseek(f, 0, SEEK_SET);
        std::vector<unsigned char> bytes(static_cast<size_t>(size));
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), f));
        std::fclose(f);
        store->ClearTables();
        benchmark::DoNotOptimize(bytes.data());
        benchmark::DoNotOptimize(store->tvx[49].X[999]);
    }
}
BENCHMARK(BM_FloorReadFileAndClearStore)->Unit(benchmark::kMillisecond);

}  // namespace
