// Loading the max-capacity model against its floor: reading the same file into memory in one call
// and clearing the store.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "bench/read_floor.h"
#include "model/reader.h"
#include "model/store.h"

namespace {

void BM_LoadMaxCapacityModel(benchmark::State& state) {
    auto store = std::make_unique<opt::ModelStore>();
    for (auto _ : state) {
        opt::Load(*store, MAXCAP_MODEL_PATH);
        benchmark::DoNotOptimize(store->tvx[49].X[999]);
    }
}
BENCHMARK(BM_LoadMaxCapacityModel)->Unit(benchmark::kMillisecond);

void BM_FloorReadFileAndClearStore(benchmark::State& state) {
    auto store = std::make_unique<opt::ModelStore>();
    for (auto _ : state) {
        bench_floor::ReadFileAndClearStore(MAXCAP_MODEL_PATH, *store);
        benchmark::DoNotOptimize(store->tvx[49].X[999]);
    }
}
BENCHMARK(BM_FloorReadFileAndClearStore)->Unit(benchmark::kMillisecond);

}  // namespace
