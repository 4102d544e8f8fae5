// Loading the large model against its floor (reading the file into memory, touching every byte once
// and clearing the store), and the peak memory of one load against the bound of twice the file's
// size plus 64 MiB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "bench/large_model_file.h"
#include "bench/peak_memory.h"
#include "bench/read_floor.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

double FileBytes() { return static_cast<double>(std::filesystem::file_size(bench_large::ModelPath())); }

void BM_LargeLoadFloor(benchmark::State& state) {
    const char* path = bench_large::ModelPath();
    auto store = std::make_unique<opt::ModelStore>();
    for (auto _ : state) bench_floor::ReadFileTouchEveryByteAndClearStore(path, *store);
    state.SetBytesProcessed(static_cast<int64_t>(FileBytes()) * state.iterations());
}
BENCHMARK(BM_LargeLoadFloor)->Unit(benchmark::kMillisecond);

// "warnings" counts the reader's warning lines: tables cut at their capacities give some; a model
// loaded whole gives none.
void BM_LargeLoad(benchmark::State& state) {
    auto store = std::make_unique<opt::ModelStore>();
    size_t warnings = 0;
    for (auto _ : state) {
        warnings = bench_large::LoadInto(*store);
        benchmark::DoNotOptimize(store.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(FileBytes()) * state.iterations());
    state.counters["warnings"] = static_cast<double>(warnings);
}
BENCHMARK(BM_LargeLoad)->Unit(benchmark::kMillisecond);

// One load into a store that exists already, as in the programs; the counters are in MiB.
void BM_LargeLoadPeakMemory(benchmark::State& state) {
    auto store = std::make_unique<opt::ModelStore>();
    bench_large::ModelPath();  // made before the child starts
    std::optional<int64_t> growth;
    for (auto _ : state) growth = bench_memory::PeakGrowthBytes([&] { bench_large::LoadInto(*store); });
    if (!growth) {
        state.SkipWithError("cannot measure the peak memory of a child process");
        return;
    }
    const double file = FileBytes() / kMiB, limit = 2 * file + 64;
    state.counters["peak_MiB"] = static_cast<double>(*growth) / kMiB;
    state.counters["file_MiB"] = file;
    state.counters["limit_MiB"] = limit;
    state.counters["peak_per_limit"] = static_cast<double>(*growth) / kMiB / limit;
}
BENCHMARK(BM_LargeLoadPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
