// The windows' costs that only a display can show (run under Xvfb), each against its floor in the
// same run:
//  - a textured redraw of the demo model in the GL view, against a frame that only clears;
//  - the vertex listing of the max-capacity model (about 50,000 lines), and that listing sent 20
//    times over (about 1,000,000 vertex lines), appended to the list box SB and painted, against
//    producing the same lines into a store that only keeps them;
//  - "Save  Vxs" of those million lines, against writing the same bytes with one fwrite;
//  - the replay of the board model's wireframe frame (cut or repeated to sizes from 64 to 640,000
//    primitives, so that large frames exist while the tables keep their classic sizes), one glBegin/glEnd per
//    primitive and in batches, against drawing all of its vertices as GL_LINES in one glDrawArrays from one
//    array;
//  - frames per second while turning the board model with the arrow keys (a turn step and a redraw).
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "listings/listings.h"
#include "model/line_sink.h"
#include "model/line_store.h"
#include "model/reader.h"
#include "model/store.h"
#include "render/core/frame_builder.h"
#include "render/core/view_state.h"
#include "render/gl/gl_painter.h"
#include "render/gl/gl_view.h"
#include "state/selection_state.h"
#include "tests/support/board_model.h"
#include "ui/windows/list_box.h"
#include "ui/windows/list_file.h"
#include "ui/windows/window_model.h"

namespace {

using namespace opt;

// The model the benchmarked GL view draws, as the windows hold it: its store, selection and view
// state.
WindowModel& Viewed() {
    static WindowModel model;
    return model;
}

// The GL view of the redraw benchmarks; it must go before the application does.
std::unique_ptr<GLView>& ViewSlot() {
    static std::unique_ptr<GLView> view;
    return view;
}

// Loads the file into the viewed model and shows it in the display mode, as "Read OPt" does.
void LoadIntoView(GLView& view, const std::string& path, ModeButton mode) {
    WindowModel& m = Viewed();
    m.Selection.DisplayMode.PutDown(mode);
    Load(m.Store, path);
    m.Selection.Resolution = "0";
    view.LoadOrtho(path, {nullptr, [&] { return int(m.Store.Texture_List.size()); }, nullptr, nullptr});
}

// The GL view with the demo model loaded in textured display, made on first use.
GLView& TexturedView() {
    auto& view = ViewSlot();
    if (view) return *view;
    WindowModel& m = Viewed();
    ResetViewAtCreate(m.View);
    view = std::make_unique<GLView>(m.Store, m.Selection, m.View);
    view->resize(400, 400);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get())) std::abort();
    LoadIntoView(*view, DEMO_MODEL_PATH, SBWire);
    return *view;
}

void Redraw(benchmark::State& state, bool model) {
    GLView& view = TexturedView();
    Viewed().Selection.ModelLoaded = model;  // without a model DrawModel builds an empty frame: clear only
    for (auto _ : state) {
        view.ShowHZ();
        benchmark::DoNotOptimize(view.grabFramebuffer());
    }
    Viewed().Selection.ModelLoaded = true;
}
void BM_TexturedRedraw(benchmark::State& state) { Redraw(state, true); }
void BM_ClearOnlyFrame_Floor(benchmark::State& state) { Redraw(state, false); }

// The board model at a size that grown tables load whole (200 meshes of 2,500 vertices, about
// 640,000 primitives); classic tables cut it to 10,000 faces.
GLView& BoardView(ModeButton mode) {
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string p = dir.filePath(QStringLiteral("board.opt")).toStdString();
        optb::write_file(p, optb::build(optb::board_model({.meshes = 200, .gridW = 50, .gridH = 50})).bytes);
        return p;
    }();
    GLView& view = TexturedView();
    LoadIntoView(view, path, mode);
    return view;
}

// A wireframe frame of n primitives: the board's (SBRes down: faces only, no highlight), cut or
// repeated to that size.
const Frame& WireframeFrame(size_t n) {
    static Frame board;
    static Frame frame;
    if (board.Primitives().empty()) {
        BoardView(SBRes);
        DrawModel(Viewed().Store, Viewed().Selection, board);
    }
    if (frame.Primitives().size() == n) return frame;
    frame.Clear();
    const auto primitives = board.Primitives();
    for (size_t i = 0; i < n; ++i) {
        const Primitive& p = primitives[i % primitives.size()];
        const auto v = board.Vertices(p);
        std::copy(v.begin(), v.end(), frame.AddColoured(p.Kind, p.Colour, p.PointSize, p.Count));
    }
    return frame;
}

void Replay(benchmark::State& state, ReplayPath path) {
    const Frame& frame = WireframeFrame(static_cast<size_t>(state.range(0)));
    GLView& view = TexturedView();
    gl::FrameReplay replay{path, {}};
    const std::vector<unsigned> noTextures;
    view.makeCurrent();
    for (auto _ : state) {
        gl::DrawFrame(frame, nullptr, noTextures, false, replay);
        glFinish();
    }
    view.doneCurrent();
    state.counters["primitives"] = static_cast<double>(frame.Primitives().size());
}
void BM_GLReplayWireframe_PerPrimitive(benchmark::State& state) { Replay(state, ReplayPath::PerPrimitive); }
void BM_GLReplayWireframe_Batched(benchmark::State& state) { Replay(state, ReplayPath::Batched); }

void BM_GLOneDrawOfAllVertices_Floor(benchmark::State& state) {
    const Frame& frame = WireframeFrame(static_cast<size_t>(state.range(0)));
    GLView& view = TexturedView();
    const auto vertices = frame.AllVertices();
    view.makeCurrent();
    gl::DisplayModeState(false);
    glColor3f(0.0f, 0.1f, 0.9f);
    for (auto _ : state) {
        gl::ClearBlack();
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(3, GL_FLOAT, sizeof(FrameVertex), vertices.data());
        glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(vertices.size()));
        glDisableClientState(GL_VERTEX_ARRAY);
        glFlush();
        glFinish();
    }
    view.doneCurrent();
}

// The board's textured frame as loaded, with its texture objects: quads and triangles take turns,
// so its runs are short.
void ReplayTextured(benchmark::State& state, ReplayPath path) {
    GLView& view = BoardView(SBWire);
    const Frame& frame = view.LastFrame();
    gl::FrameReplay replay{path, {}};
    view.makeCurrent();
    for (auto _ : state) {
        gl::DrawFrame(frame, nullptr, view.TextureObjects(), true, replay);
        glFinish();
    }
    view.doneCurrent();
    state.counters["primitives"] = static_cast<double>(frame.Primitives().size());
    state.counters["runs"] = static_cast<double>(replay.Batches.Batches().size());
}
void BM_GLReplayTextured_PerPrimitive(benchmark::State& state) {
    ReplayTextured(state, ReplayPath::PerPrimitive);
}
void BM_GLReplayTextured_Batched(benchmark::State& state) { ReplayTextured(state, ReplayPath::Batched); }

// Turning the board in wireframe: each step builds the frame and replays it as the view chooses.
void BM_TurningBoardWireframe(benchmark::State& state) {
    GLView& view = BoardView(SBRes);
    for (auto _ : state) {
        view.KeyDown(ViewKey::Right, {});
        view.makeCurrent();
        glFinish();
        view.doneCurrent();
    }
    state.SetItemsProcessed(state.iterations());  // items per second: frames per second
    state.counters["primitives"] = static_cast<double>(view.LastFrame().Primitives().size());
}

// The max-capacity model, in a store of its own, loaded on first use.
const TVX& MaxCapacityVertices() {
    static const std::unique_ptr<ModelStore> store = [] {
        auto s = std::make_unique<ModelStore>();
        Load(*s, MAXCAP_MODEL_PATH);
        return s;
    }();
    return store->tvx;
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

// The GL benchmarks come first, then the list-box ones.
BENCHMARK(BM_TexturedRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClearOnlyFrame_Floor)->Unit(benchmark::kMillisecond);
// Frame sizes: the demo's, below and at the classic limit (10,000 faces), and past it.
void ReplaySizes(benchmark::internal::Benchmark* b) {
    for (int64_t n : {64, 1024, 4096, 10000, 80000, 640000}) b->Arg(n);
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_GLReplayWireframe_PerPrimitive)->Apply(ReplaySizes);
BENCHMARK(BM_GLReplayWireframe_Batched)->Apply(ReplaySizes);
BENCHMARK(BM_GLOneDrawOfAllVertices_Floor)->Apply(ReplaySizes);
BENCHMARK(BM_GLReplayTextured_PerPrimitive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GLReplayTextured_Batched)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurningBoardWireframe)->Unit(benchmark::kMillisecond);
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
