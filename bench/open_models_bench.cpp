// The memory of models kept open together: the max-capacity model opened 100 times in one process,
// each into a store of its own and all kept, against the same model opened once. A model owns all
// it holds, so the hundred cost a hundred times the one ("ratio" near 100; far more would be copies
// made per model somewhere, far less memory shared between models).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "bench/peak_memory.h"
#include "model/reader.h"
#include "model/store.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// Resident bytes that `count` open copies of the model keep, measured in a child.
std::optional<int64_t> KeptOpen(int count) {
    return bench_memory::ResidentGrowthBytes([count] {
        std::vector<std::unique_ptr<opt::ModelStore>> open;
        for (int i = 0; i < count; ++i) {
            open.push_back(std::make_unique<opt::ModelStore>());
            opt::Load(*open.back(), MAXCAP_MODEL_PATH);
        }
        benchmark::DoNotOptimize(open.data());
    });
}

void BM_MaxCapacityModelsKeptOpen(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::optional<int64_t> one, all;
    for (auto _ : state) {
        one = KeptOpen(1);
        all = KeptOpen(count);
    }
    if (!one || !all || *one <= 0) {
        state.SkipWithError("cannot measure the resident memory of a child process");
        return;
    }
    state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(MAXCAP_MODEL_PATH)) / kMiB;
    state.counters["one_MiB"] = static_cast<double>(*one) / kMiB;
    state.counters["all_MiB"] = static_cast<double>(*all) / kMiB;
    state.counters["ratio"] = static_cast<double>(*all) / static_cast<double>(*one);
}
BENCHMARK(BM_MaxCapacityModelsKeptOpen)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
