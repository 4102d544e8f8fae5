// Runs of consecutive primitives of a frame that one array draw each can replay with the same
// picture as one glBegin/glEnd per primitive, in the same order.
//
// Array runs share the primitive kind, whether they are textured, their colour or texture binding
// and their point size, and their vertices (and texture coordinates) follow each other in the
// frame's arrays. Points, lines, triangles and quads are independent primitives in GL, so n of them
// in one draw give the pixels of n draws in the same order; quads stay quads.
//
// Outline runs serve the wireframe display, where every polygon is drawn as its outline (polygon
// mode line on both sides, no depth test, no culling): consecutive coloured lines, triangles and
// quads become GL_LINES over the frame's own vertices, each polygon's edges in its vertex order
// (a quad's four sides, never a diagonal), each vertex with its primitive's colour. Later lines
// still draw over earlier ones, so overlays keep their place over the main pass.
//
// A primitive whose vertex count is not a whole number of its kind's primitives (GL drops the spare
// vertices at its end) closes its array run: the next primitive would otherwise pair with the spares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "render/core/frame.h"

namespace opt {

struct DrawBatch {
    uint32_t FirstPrimitive;  // the run's first primitive, whose state the whole run draws with
    uint32_t LastPrimitive;   // its last primitive, whose colour stays current after the run
    uint32_t First;           // first vertex in the frame's vertex array
    uint32_t Count;           // vertices of the run
    uint32_t TexFirst;        // first texture coordinate (textured runs)
    uint32_t IndexFirst;      // outline runs: first line end in Indices()
    uint32_t IndexCount;      // outline runs: line ends; 0 for an array run
    bool Outlines() const { return IndexCount > 0; }
};

// How the painter replays a frame: Auto chooses by size; the other two force a way (tests, benchmarks).
enum class ReplayPath : uint8_t { Auto, PerPrimitive, Batched };

// Frames of fewer primitives replay one glBegin/glEnd per primitive, in the calls the view has always
// made: below this size a frame takes under 3 ms either way on Mesa (most models of the game have a
// few hundred faces), and no index or colour arrays are made for it. Past it immediate mode costs
// about 3 us a primitive, several times a batched run's share.
inline constexpr size_t kBatchedReplayMinPrimitives = 1024;
// Runs need not be long to pay: a textured frame whose quads and triangles take turns (about two
// primitives a run) still replays in half the time of immediate mode.

// Whether a frame of this many primitives replays in batches.
bool ReplaysInBatches(ReplayPath path, size_t primitives);

// Vertices of one primitive of this kind: 1, 2, 3 or 4.
uint32_t VerticesPerPrimitive(PrimitiveKind kind);

// Whether b may draw in the same array draw as a, drawn before it: same kind, same texturing, same
// colour (coloured) or binding (textured), same point size.
bool SameDrawState(const Primitive& a, const Primitive& b);

class FrameBatches {
public:
    // Groups the frame's primitives into runs, in frame order; outlines: the wireframe display, where
    // coloured lines and polygons join outline runs. The memory of the previous frame is reused.
    void Build(const Frame& frame, bool outlines);
    std::span<const DrawBatch> Batches() const { return {batches_.data(), count_}; }
    // Line ends of the outline runs: vertex numbers into the frame's vertex array.
    std::span<const uint32_t> Indices() const { return {indices_.data(), indexCount_}; }
    // A colour for every vertex of the frame (set for the vertices of outline runs).
    std::span<const Rgb> Colours() const { return {colours_.data(), colourCount_}; }

private:
    bool JoinsArrayRun(const Frame& frame, const DrawBatch& run, const Primitive& p) const;
    void AddOutline(const Primitive& p);

    std::vector<DrawBatch> batches_;
    std::vector<uint32_t> indices_;
    std::vector<Rgb> colours_;
    size_t count_ = 0;
    size_t indexCount_ = 0;
    size_t colourCount_ = 0;
};

}  // namespace opt
