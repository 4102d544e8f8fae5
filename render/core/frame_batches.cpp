#include "render/core/frame_batches.h"

namespace opt {

bool ReplaysInBatches(ReplayPath path, size_t primitives) {
    switch (path) {
        case ReplayPath::PerPrimitive:
            return false;
        case ReplayPath::Batched:
            return true;
        case ReplayPath::Auto:
            break;
    }
    return primitives >= kBatchedReplayMinPrimitives;
}

uint32_t VerticesPerPrimitive(PrimitiveKind kind) {
    switch (kind) {
        case PrimitiveKind::Points:
            return 1;
        case PrimitiveKind::Lines:
            return 2;
        case PrimitiveKind::Triangles:
            return 3;
        case PrimitiveKind::Quads:
            return 4;
    }
    return 1;
}

bool SameDrawState(const Primitive& a, const Primitive& b) {
    if (a.Kind != b.Kind || a.Textured != b.Textured || a.PointSize != b.PointSize) return false;
    return a.Textured ? a.Texture == b.Texture : a.Colour == b.Colour;
}

void FrameBatches::Build(const Frame& frame) {
    const auto primitives = frame.Primitives();
    // A frame never has more runs than primitives: size once, then fill in place.
    if (batches_.size() < primitives.size()) batches_.resize(primitives.size());
    count_ = 0;
    for (size_t i = 0; i < primitives.size(); ++i) {
        const Primitive& p = primitives[i];
        if (count_ > 0) {
            DrawBatch& run = batches_[count_ - 1];
            const Primitive& head = primitives[run.FirstPrimitive];
            const bool whole = run.Count % VerticesPerPrimitive(head.Kind) == 0;
            const bool follows = p.First == run.First + run.Count &&
                                 (!p.Textured || p.TexFirst == run.TexFirst + run.Count);
            if (whole && follows && SameDrawState(head, p)) {
                run.Count += p.Count;
                continue;
            }
        }
        batches_[count_++] = DrawBatch{static_cast<uint32_t>(i), p.First, p.TexFirst, p.Count};
    }
}

}  // namespace opt
