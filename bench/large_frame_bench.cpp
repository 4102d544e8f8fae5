// The wireframe frame of level 0 of the large model against its floor (copying the corners of the
// same faces into one flat array), and the vertex listing into a sink that drops its lines. The
// counters (faces drawn as primitives, corners, lines) show how much of the model the tables held.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/frame_loop.h"
#include "bench/large_model_file.h"
#include "listings/listings.h"
#include "model/line_sink.h"
#include "render/core/frame.h"

namespace {

// Whether the first `corners` vertex indices of face j lie inside the vertex block (the frame skips
// a face that reaches outside it).
bool CornersInBlock(const opt::FaceDataRecord& fd, int j, int corners, int slots) {
    for (int k = 0; k < corners; ++k) {
        const int32_t v = fd.Vertex(k)[j];
        if (v < 0 || v >= slots) return false;
    }
    return true;
}

void BM_LargeFrameFloor(benchmark::State& state) {
    const opt::ModelStore& store = bench_large::LoadedStore();
    std::vector<opt::FrameVertex> flat;
    size_t faces = 0;
    for (auto _ : state) {
        flat.clear();
        faces = 0;
        for (int i = 0; i < store.ttfd.Size(); ++i) {
            const opt::FaceDataRecord& fd = store.ttfd[i];
            if (fd.Count <= 0 || fd.LOD != 0 || !store.tvx.InRange(fd.Mesh)) continue;
            const opt::VertexRecord& vx = store.tvx[fd.Mesh];
            for (int j = 0; j < fd.StoredFaces(); ++j) {
                const int corners = fd.Quad[opt::kGroupVertex][j] != 0 ? 4 : 3;
                if (!CornersInBlock(fd, j, corners, vx.Elements())) continue;
                for (int k = 0; k < corners; ++k) {
                    const int32_t v = fd.Vertex(k)[j];
                    flat.push_back({vx.X[v], vx.Y[v], vx.Z[v]});
                }
                ++faces;
            }
        }
        benchmark::DoNotOptimize(flat.data());
        benchmark::ClobberMemory();
    }
    state.counters["primitives"] = static_cast<double>(faces);
    state.counters["vertices"] = static_cast<double>(flat.size());
}
BENCHMARK(BM_LargeFrameFloor)->Unit(benchmark::kMillisecond);

// Wireframe at level 0 in a mode without overlays: the faces alone.
void BM_LargeFrameWireframe(benchmark::State& state) {
    bench_frame::BuildFrames(state, bench_large::LoadedStore(), opt::SBRes);
}
BENCHMARK(BM_LargeFrameWireframe)->Unit(benchmark::kMillisecond);

// Counts the lines and drops them, so that only making them is measured.
class NullSink : public opt::LineSink {
public:
    size_t lines = 0;
    void AddLine(const std::string& line) override {
        benchmark::DoNotOptimize(line.data());
        ++lines;
    }
};

void BM_LargeVertexListing(benchmark::State& state) {
    const opt::ModelStore& store = bench_large::LoadedStore();
    size_t lines = 0;
    for (auto _ : state) {
        NullSink sink;
        opt::List(store.tvx, sink);
        lines = sink.lines;
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetItemsProcessed(static_cast<int64_t>(lines) * state.iterations());
}
BENCHMARK(BM_LargeVertexListing)->Unit(benchmark::kMillisecond);

}  // namespace
