// Building the frame of a store filled to capacity (200 face-data blocks of 50 faces, 50 vertex
// blocks of 1000 vertices) against the floor: gathering the same face corners into a flat array.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench/frame_loop.h"
#include "model/store.h"
#include "render/core/frame.h"

namespace {

// Four face-data blocks per mesh; faces alternate between quads and triangles.
std::unique_ptr<opt::ModelStore> MaxCapacityStore() {
    auto store = std::make_unique<opt::ModelStore>();
    for (int e = 0; e < opt::kMaxVertexBlocks; ++e) {
        for (int v = 0; v < opt::kMaxElements; ++v) {
            store->tvx[e].X[v] = static_cast<float>(v);
            store->tvx[e].Y[v] = static_cast<float>(e);
            store->tvx[e].Z[v] = static_cast<float>(v % 7);
            store->ttvx[e].U[v] = static_cast<float>(v) / 1000.0f;
            store->ttvx[e].V[v] = static_cast<float>(e) / 50.0f;
        }
    }
    for (int i = 0; i < opt::kMaxFaceData; ++i) {
        opt::FaceDataRecord& fd = store->ttfd[i];
        fd.Count = opt::kMaxFaces;
        fd.Mesh = i / 4;
        fd.LOD = 0;
        fd.Tex_Names[0] = "TEX" + std::to_string(i % 20);
        for (int j = 0; j < opt::kMaxFaces; ++j) {
            const bool quad = j % 2 == 0;
            const int base = (i % 4) * 250 + j * 4;
            for (int k = 0; k < 4; ++k) {
                const int32_t index = k == 3 && !quad ? -1 : base + k;
                fd.Vertex(k)[j] = index;
                fd.TexVertex(k)[j] = index;
            }
            fd.Quad[opt::kGroupVertex][j] = quad ? 1 : 0;
        }
    }
    for (int k = 0; k < 20; ++k) {
        store->ttx.Unique_Names[k] = "TEX" + std::to_string(k);
        store->ttx.Texture_Index[k] = k;
    }
    return store;
}

const opt::ModelStore& Store() {
    static const std::unique_ptr<opt::ModelStore> store = MaxCapacityStore();
    return *store;
}

// The floor: the corners of every face copied into one flat array whose capacity is kept.
void BM_FlatCopyFloor(benchmark::State& state) {
    const opt::ModelStore& store = Store();
    std::vector<opt::FrameVertex> flat;
    for (auto _ : state) {
        flat.clear();
        for (int i = 0; i < opt::kMaxFaceData; ++i) {
            const opt::FaceDataRecord& fd = store.ttfd[i];
            const opt::VertexRecord& vx = store.tvx[fd.Mesh];
            for (int j = 0; j < fd.Count; ++j) {
                const int corners = fd.Quad[opt::kGroupVertex][j] != 0 ? 4 : 3;
                for (int k = 0; k < corners; ++k) {
                    const int32_t v = fd.Vertex(k)[j];
                    flat.push_back({vx.X[v], vx.Y[v], vx.Z[v]});
                }
            }
        }
        benchmark::DoNotOptimize(flat.data());
        benchmark::ClobberMemory();
    }
    state.counters["vertices"] = static_cast<double>(flat.size());
}
BENCHMARK(BM_FlatCopyFloor);

void BuildFrame(benchmark::State& state, opt::ModeButton mode) {
    bench_frame::BuildFrames(state, Store(), mode);
}
// Wireframe, in a mode without overlays: the 10,000 faces alone.
void BM_DrawModelWireframe(benchmark::State& state) { BuildFrame(state, opt::SBRes); }
BENCHMARK(BM_DrawModelWireframe);
// Textured display: also the texture lookup and the texture coordinates.
void BM_DrawModelTextured(benchmark::State& state) { BuildFrame(state, opt::SBWire); }
BENCHMARK(BM_DrawModelTextured);

}  // namespace

// main() comes from the one BENCHMARK_MAIN of the zedaruz_bench program.
