// `zedaruz-cli check` over a mod pack: 500 copies of the demo model checked one after another
// (read, load into the store, verdict), against the floor of reading each file and clearing the store.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/read_floor.h"
#include "inspect/model_check.h"
#include "model/store.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCopies = 500;

// The pack, written once per run into a temporary folder and removed at exit.
const std::vector<std::string>& Pack() {
    struct PackDir {
        fs::path dir = fs::temp_directory_path() / ("zedaruz_check_bench_" + std::to_string(::getpid()));
        std::vector<std::string> files;
        PackDir() {
            fs::create_directories(dir);
            for (int k = 0; k < kCopies; ++k) {
                const fs::path file = dir / ("ship" + std::to_string(k) + ".opt");
                fs::copy_file(DEMO_MODEL_PATH, file, fs::copy_options::overwrite_existing);
            }
            files = opt::FilesToCheck({dir.string()});
        }
        ~PackDir() {
            std::error_code ec;
            fs::remove_all(dir, ec);
        }
    };
    static const PackDir pack;
    return pack.files;
}

void BM_CheckPackOf500(benchmark::State& state) {
    const auto& files = Pack();
    auto store = std::make_unique<opt::ModelStore>();
    for (auto _ : state) {
        int damaged = 0;
        for (const auto& file : files)
            damaged += opt::CheckModelFile(*store, file).Result != opt::Verdict::kOk;
        benchmark::DoNotOptimize(damaged);
    }
}
BENCHMARK(BM_CheckPackOf500)->Unit(benchmark::kMillisecond);

void BM_FloorReadEachFileAndClearStore(benchmark::State& state) {
    const auto& files = Pack();
    auto store = std::make_unique<opt::ModelStore>();
    for (auto _ : state) {
        for (const auto& file : files) bench_floor::ReadFileAndClearStore(file.c_str(), *store);
    }
}
BENCHMARK(BM_FloorReadEachFileAndClearStore)->Unit(benchmark::kMillisecond);

}  // namespace
