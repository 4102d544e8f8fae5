// The frame-building loop of the frame benchmarks: one store, one display mode, the frame built again
// and again into the same Frame; the counters give its primitives (one per drawn face in the modes
// without overlays) and vertices.
#pragma once

#include <benchmark/benchmark.h>

#include "model/store.h"
#include "render/core/frame.h"
#include "render/core/frame_builder.h"
#include "state/selection_state.h"

namespace bench_frame {

inline void BuildFrames(benchmark::State& state, const opt::ModelStore& store, opt::ModeButton mode) {
    opt::SelectionState selection;
    selection.ModelLoaded = true;
    selection.DisplayMode.PutDown(mode);
    opt::Frame frame;
    for (auto _ : state) {
        opt::DrawModel(store, selection, frame);
        benchmark::DoNotOptimize(frame.Primitives().data());
        benchmark::ClobberMemory();
    }
    state.counters["primitives"] = static_cast<double>(frame.Primitives().size());
    state.counters["vertices"] = static_cast<double>(frame.VertexCount());
}

}  // namespace bench_frame
