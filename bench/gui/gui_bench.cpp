// The windows' costs that only a display can show (run under Xvfb), each against its floor in the
// same run:
//  - a textured redraw of the demo model in the GL view, against a frame that only clears;
//  - the vertex listing of the max-capacity model (about 50,000 lines), and that listing sent 20
//    times over (about 1,000,000 vertex lines), appended to the list box SB and painted, against
//    producing the same lines into a store that only keeps them;
//  - "Save  Vxs" of those million lines, against writing the same bytes with one fwrite.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "listings/listings.h"
#include "model/line_sink.h"
#include "model/line_store.h"
#include "model/reader.h"
#include "model/store.h"
#include "render/core/view_state.h"
#include "render/gl/gl_view.h"
#include "state/selection_state.h"
#include "ui/windows/list_box.h"
#include "ui/windows/list_file.h"

namespace {

using namespace opt;

// The GL view of the redraw benchmarks; it must go before the application does.
std::unique_ptr<GLView>& ViewSlot() {
    static std::unique_ptr<GLView> view;
    return view;
}

// The GL view with the demo model loaded in textured display, made on first use.
GLView& TexturedView() {
    auto& view = ViewSlot();
    if (view) return *view;
    ResetViewAtCreate(TheView());
    view = std::make_unique<GLView>();
    view->resize(400, 400);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get())) std::abort();
    VectorSink listing, resolutions;
    VectorLookupSink textures;
    TheSelection().DisplayMode.PutDown(SBWire);
    Load(TheStore(), DEMO_MODEL_PATH, {listing, resolutions, textures});
    TheSelection().Resolution = "0";
    view->LoadOrtho(DEMO_MODEL_PATH, {nullptr, [&] { return int(textures.lines.size()); }, nullptr, nullptr});
    return *view;
}

void Redraw(benchmark::State& state, bool model) {
    GLView& view = TexturedView();
    TheSelection().ModelLoaded = model;  // without a model DrawModel builds an empty frame: clear only
    for (auto _ : state) {
        view.ShowHZ();
        benchmark::DoNotOptimize(view.grabFramebuffer());
    }
    TheSelection().ModelLoaded = true;
}
void BM_TexturedRedraw(benchmark::State& state) { Redraw(state, true); }
void BM_ClearOnlyFrame_Floor(benchmark::State& state) { Redraw(state, false); }

const TVX& MaxCapacityVertices() {
    static const bool loaded = [] {
        VectorSink warnings, resolutions;
        VectorLookupSink textures;
        Load(TheStore(), MAXCAP_MODEL_PATH, {warnings, resolutions, textures});
        return true;
    }();
    (void)loaded;
    return TheStore().tvx;
}

// The vertex listing sent `passes` times into `sink`: one pass is about 50,000 lines.
void SendVertexListing(LineSink& sink, int64_t passes) {
    const TVX& tvx = MaxCapacityVertices();
    for (int64_t k = 0; k < passes; ++k) List(tvx, sink);
}

void BM_SbAppendVertexListing(benchmark::State& state) {
    MaxCapacityVertices();
    ListBox sb;
    sb.resize(450, 280);
    sb.show();
    if (!QTest::qWaitForWindowExposed(&sb)) std::abort();
    for (auto _ : state) {
        sb.Clear();
        QApplication::processEvents();
        SendVertexListing(sb, state.range(0));
        sb.Flush();
        sb.scrollToBottom();
        sb.repaint();  // the view lays out and paints the new rows
    }
    state.counters["lines"] = sb.Count();
}
void BM_ProduceVertexListing_Floor(benchmark::State& state) {
    MaxCapacityVertices();
    for (auto _ : state) {
        LineStore kept;
        SendVertexListing(kept, state.range(0));
        benchmark::DoNotOptimize(kept.Text().data());
    }
}

// The million-line listing, made once for the saving benchmarks.
const LineStore& MillionLines() {
    static const LineStore lines = [] {
        LineStore kept;
        SendVertexListing(kept, 20);
        return kept;
    }();
    return lines;
}

std::string SavePath() { return (std::filesystem::temp_directory_path() / "zedaruz_bench.vxs").string(); }

void BM_SaveVxs(benchmark::State& state) {
    const LineStore& lines = MillionLines();
    for (auto _ : state) SaveListLines(SavePath(), lines);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(lines.Text().size()));
    std::filesystem::remove(SavePath());
}
void BM_WriteVxsBytesOneFwrite_Floor(benchmark::State& state) {
    const std::string& bytes = MillionLines().Text();
    for (auto _ : state) {
        std::FILE* f = std::fopen(SavePath().c_str(), "wb");
        if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
        if (std::fclose(f) != 0) std::abort();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
    std::filesystem::remove(SavePath());
}

}  // namespace

// The GL benchmarks come first: the list-box ones load another model into the shared store.
BENCHMARK(BM_TexturedRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClearOnlyFrame_Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SbAppendVertexListing)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProduceVertexListing_Floor)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveVxs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteVxsBytesOneFwrite_Floor)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ViewSlot().reset();
    return 0;
}
