// Exporting the max-capacity model to .glb against its floor: building its textured frame, encoding
// its textures as PNG and writing a file of the same size as the .glb.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "export/export_run.h"
#include "export/png_image.h"
#include "model/reader.h"
#include "model/store.h"
#include "render/core/frame_builder.h"
#include "render/core/image_export.h"
#include "render/core/palette_colours.h"
#include "render/core/texture_load.h"
#include "render/core/texture_pixels.h"
#include "state/selection_state.h"

namespace {

struct Loaded {
    std::unique_ptr<opt::ModelStore> store = std::make_unique<opt::ModelStore>();
    std::vector<uint8_t> bytes = opt::ReadWholeFile(MAXCAP_MODEL_PATH);
    Loaded() { opt::LoadBytes(*store, bytes); }
};

const Loaded& Model() {
    static const Loaded loaded;
    return loaded;
}

std::string OutPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

void BM_ExportGlb(benchmark::State& state) {
    const Loaded& m = Model();
    opt::ExportOptions options;
    options.SourcePath = MAXCAP_MODEL_PATH;
    const std::string out = OutPath("zedaruz_bench_export.glb");
    for (auto _ : state) {
        const opt::ExportResult r = opt::ExportGltf(*m.store, m.bytes, options, out);
        benchmark::DoNotOptimize(r.Summary.data());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(out));
    std::filesystem::remove(out);
}
BENCHMARK(BM_ExportGlb)->Unit(benchmark::kMillisecond);

void BM_ExportGlbFloor(benchmark::State& state) {
    const Loaded& m = Model();
    opt::SelectionState selection;
    selection.ModelLoaded = true;
    selection.DisplayMode.PutDown(opt::SBWire);
    opt::Frame frame;
    const std::string glb = OutPath("zedaruz_bench_floor_size.glb");
    opt::ExportOptions options;
    options.SourcePath = MAXCAP_MODEL_PATH;
    opt::ExportGltf(*m.store, m.bytes, options, glb);
    const std::vector<uint8_t> sameSize(std::filesystem::file_size(glb), 0x5a);
    std::filesystem::remove(glb);
    const std::string out = OutPath("zedaruz_bench_floor.bin");
    for (auto _ : state) {
        opt::DrawModel(*m.store, selection, frame);
        size_t png = 0;
        for (const opt::TextureUploadEntry& e : opt::TextureUploadList(*m.store)) {
            const opt::TexturePixels px = opt::FetchTexturePixels(m.bytes, m.store->ttx.Textures[e.Record]);
            const auto rgb = opt::ExpandToRgb8(
                px.Indices, opt::SetPalette(*m.store, opt::UploadPaletteNumber(*m.store, e.Record)));
            png += opt::EncodePng(px.Width, px.Height, rgb).size();
        }
        opt::WriteFileBytes(out, sameSize);
        benchmark::DoNotOptimize(png);
        benchmark::DoNotOptimize(frame.Primitives().data());
    }
    std::filesystem::remove(out);
}
BENCHMARK(BM_ExportGlbFloor)->Unit(benchmark::kMillisecond);

}  // namespace
