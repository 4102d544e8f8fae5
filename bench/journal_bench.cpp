// A hardpoint Update of the demo model through the edit area: recorded in the write journal first
// (the record appended and flushed, the done mark appended), against the same Update with only the
// model file's own fsync (the floor), and the plain Update without any fsync. Each takes the model
// file's lock for its write, as every write does.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "edit/core/edit_area.h"
#include "model/reader.h"
#include "model/store.h"

namespace {

class QuietHost : public opt::EditHost {
public:
    void ShowMessage(const std::string&) override {}
    void Redraw() override {}
    void FormHide() override {}
    std::vector<std::string> ResBoxLines() const override { return {}; }
    void SetResBoxText(const std::string&) override {}
};

// The demo model copied into a folder of its own, loaded, and hardpoint 0's X chosen for editing.
struct HardpointUpdate {
    std::filesystem::path dir;
    std::unique_ptr<opt::ModelStore> store = std::make_unique<opt::ModelStore>();
    opt::SelectionState selection;
    QuietHost host;
    opt::EditArea edit{*store, selection, host};

    HardpointUpdate(const char* name, const std::string& journal, bool sync)
        : dir(std::filesystem::temp_directory_path() /
              ("zedaruz_bench_" + std::string(name) + "_" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const auto file = dir / "demo.opt";
        std::filesystem::copy_file(DEMO_MODEL_PATH, file);
        opt::Load(*store, file.string());
        selection.ModelLoaded = true;
        edit.FileName = file.string();
        edit.AppDataDir = dir.string() + "/";
        edit.JournalPath = journal.empty() ? "" : (dir / journal).string();
        edit.SyncWrites = sync;
        edit.OnLoad();
        edit.SBHPClick();
        try {
            edit.LBEDClick(0);  // no lookup file: the snapshot is taken before that fails
        } catch (const std::exception&) {
        }
        edit.RG1Click(0);
    }
    ~HardpointUpdate() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    void Run(benchmark::State& state) {
        int k = 0;
        for (auto _ : state) {
            edit.Widgets().EText = (k++ % 2 == 0) ? "1.5" : "2.5";  // every Update changes the bytes
            edit.SBUpdateClick();
            benchmark::DoNotOptimize(edit.LastWrites().size());
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
