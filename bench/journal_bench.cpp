// A hardpoint edit of the demo model (X of hardpoint 0, as the editor's Update writes it): recorded in
// the write journal first (the record appended and flushed, the done mark appended), against the same
// edit with only the model file's own fsync (the floor), and the plain edit without any fsync. Each
// takes the model file's lock for its write, as every write does.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "edit/core/edits.h"
#include "model/reader.h"
#include "model/store.h"

namespace {

// The demo model copied into a folder of its own and loaded.
struct HardpointUpdate {
    std::filesystem::path dir;
    std::unique_ptr<opt::ModelStore> store = std::make_unique<opt::ModelStore>();
    opt::EditTarget target;

    HardpointUpdate(const char* name, const std::string& journal, bool sync)
        : dir(std::filesystem::temp_directory_path() /
              ("zedaruz_bench_" + std::string(name) + "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const auto file = dir / "demo.opt";
        std::filesystem::copy_file(DEMO_MODEL_PATH, file);
        opt::Load(*store, file.string());
        target = {file.string(), journal.empty() ? "" : (dir / journal).string(), sync, nullptr};
    }
    ~HardpointUpdate() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    void Run(benchmark::State& state) {
        int k = 0;
        for (auto _ : state) {
            // Every edit changes the bytes.
            const opt::HardpointFieldEdit edit{0, opt::HardpointField::X, (k++ % 2 == 0) ? 1.5f : 2.5f};
            benchmark::DoNotOptimize(opt::ApplyEdit(*store, edit, target).Runs.size());
        }
    }
};

void BM_HardpointUpdateJournaled(benchmark::State& state) {
    HardpointUpdate u("journaled", "patch-journal.jsonl", true);
    u.Run(state);
}
BENCHMARK(BM_HardpointUpdateJournaled)->Unit(benchmark::kMicrosecond);

void BM_FloorHardpointUpdateWithFsync(benchmark::State& state) {
    HardpointUpdate u("fsync", "", true);
    u.Run(state);
}
BENCHMARK(BM_FloorHardpointUpdateWithFsync)->Unit(benchmark::kMicrosecond);

void BM_HardpointUpdatePlain(benchmark::State& state) {
    HardpointUpdate u("plain", "", false);
    u.Run(state);
}
BENCHMARK(BM_HardpointUpdatePlain)->Unit(benchmark::kMicrosecond);

}  // namespace
