// A model is a value: two models loaded on two threads at once, each into its own store with its
// own settings, list, draw and export exactly as each does alone.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "export/export_scene.h"
#include "export/gltf_writer.h"
#include "listings/registry.h"
#include "model/line_sink.h"
#include "model/reader.h"
#include "model/store.h"
#include "render/core/frame_builder.h"
#include "state/selection_state.h"

namespace {

struct Outcome {
    std::vector<std::string> lines;  // the reader's lines, then every listing
    std::vector<uint8_t> frame;      // the textured frame's vertices, byte for byte
    std::vector<uint8_t> glb;

    bool operator==(const Outcome&) const = default;
};

struct Job {
    std::string path;
    char separator;
    opt::TableLimits limits;
};

Outcome LoadListDrawExport(const Job& job) {
    auto store = std::make_unique<opt::ModelStore>();
    store->Decimal_Separator = job.separator;
    store->Limits = job.limits;
    opt::Load(*store, job.path);
    Outcome out;
    opt::VectorSink sink;
    sink.lines = store->Warnings;
    for (const auto& entry : opt::Listings()) entry.run(*store, sink);
    out.lines = std::move(sink.lines);

    opt::SelectionState selection;
    selection.ModelLoaded = true;
    selection.DisplayMode.PutDown(opt::SBWire);
    opt::Frame frame;
    opt::DrawModel(*store, selection, frame);
    const auto vertices = frame.AllVertices();
    out.frame.resize(vertices.size_bytes());
    if (!vertices.empty()) std::memcpy(out.frame.data(), vertices.data(), vertices.size_bytes());

    opt::ExportOptions options;
    options.SourcePath = job.path;
    out.glb =
        opt::GltfBytes(opt::BuildExportScene(*store, store->File_Image, options), opt::GltfForm::Binary);
    return out;
}

TEST(TwoModels, OnTwoThreadsAtOnceEachGivesWhatItGivesAlone) {
    const Job demo{DEMO_MODEL_PATH, ',', opt::TableLimits::Grown()};
    const Job maxcap{MAXCAP_MODEL_PATH, '.', opt::TableLimits::ClassicSizes()};
    const Outcome demoAlone = LoadListDrawExport(demo);
    const Outcome maxcapAlone = LoadListDrawExport(maxcap);
    ASSERT_NE(demoAlone.lines, maxcapAlone.lines);
    ASSERT_FALSE(demoAlone.frame.empty());
    ASSERT_FALSE(maxcapAlone.glb.empty());

    constexpr int kRounds = 3;
    std::vector<Outcome> demoTogether(kRounds), maxcapTogether(kRounds);
    std::thread a([&] {
        for (auto& o : demoTogether) o = LoadListDrawExport(demo);
    });
    std::thread b([&] {
        for (auto& o : maxcapTogether) o = LoadListDrawExport(maxcap);
    });
    a.join();
    b.join();
    for (int k = 0; k < kRounds; ++k) {
        EXPECT_TRUE(demoTogether[k] == demoAlone) << "round " << k;
        EXPECT_TRUE(maxcapTogether[k] == maxcapAlone) << "round " << k;
    }
}

}  // namespace
