// Runs of consecutive primitives of a frame that one array draw each can replay with the same
// picture as one glBegin/glEnd per primitive. A run shares the primitive kind, whether it is
// textured, its colour or texture binding and its point size, and its vertices (and texture
// coordinates) follow each other in the frame's arrays. Points, lines, triangles and quads are
// independent primitives in GL, so n of them in one draw give the pixels of n draws in the same
// order; quads stay quads, so a wireframe still shows their outlines without diagonals.
//
// A primitive whose vertex count is not a whole number of its kind's primitives (GL drops the spare
// vertices at its end) closes its run: the next primitive would otherwise pair with the spares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "render/core/frame.h"

namespace opt {

struct DrawBatch {
    uint32_t FirstPrimitive;  // the run's first primitive, whose state the whole run draws with
    uint32_t First;           // first vertex in the frame's vertex array
    uint32_t TexFirst;        // first texture coordinate (textured runs)
    uint32_t Count;           // vertices of the run
};

// How the painter replays a frame: Auto chooses by size; the other two force a way (tests, benchmarks).
enum class ReplayPath : uint8_t { Auto, PerPrimitive, Batched };

// Frames of fewer primitives replay one glBegin/glEnd per primitive. Below this size a redraw costs
// well under a millisecond either way (the classic sizes, up to 10,000 faces, draw in a few), and
// the per-primitive calls are the ones the view has always made; past it, the per-call cost of
// immediate mode grows with the model and batches win many times over.
inline constexpr size_t kBatchedReplayMinPrimitives = 16384;

// Whether a frame of this many primitives replays in batches.
bool ReplaysInBatches(ReplayPath path, size_t primitives);

// Vertices of one primitive of this kind: 1, 2, 3 or 4.
uint32_t VerticesPerPrimitive(PrimitiveKind kind);

// Whether b may draw in the same array draw as a, drawn before it: same kind, same texturing, same
// colour (coloured) or binding (textured), same point size.
bool SameDrawState(const Primitive& a, const Primitive& b);

class FrameBatches {
public:
    // Groups the frame's primitives into runs, in frame order. The memory of the previous frame's
    // runs is reused.
    void Build(const Frame& frame);
    std::span<const DrawBatch> Batches() const { return {batches_.data(), count_}; }

private:
    std::vector<DrawBatch> batches_;
    size_t count_ = 0;
};

}  // namespace opt
