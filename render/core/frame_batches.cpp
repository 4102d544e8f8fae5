#include "render/core/frame_batches.h"

namespace opt {

namespace {

bool OutlineKind(const Primitive& p) { return !p.Textured && p.Kind != PrimitiveKind::Points; }

// The sides of a polygon of n corners from vertex f, in its vertex order, as pairs of line ends.
uint32_t* PutSides(uint32_t* out, uint32_t f, uint32_t n) {
    for (uint32_t k = 0; k < n; ++k) {
        *out++ = f + k;
        *out++ = f + (k + 1) % n;
    }
    return out;
}

}  // namespace

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

bool FrameBatches::JoinsArrayRun(const Frame& frame, const DrawBatch& run, const Primitive& p) const {
    const Primitive& head = frame.Primitives()[run.FirstPrimitive];
    const bool whole = run.Count % VerticesPerPrimitive(head.Kind) == 0;
    const bool follows =
        p.First == run.First + run.Count && (!p.Textured || p.TexFirst == run.TexFirst + run.Count);
    return whole && follows && SameDrawState(head, p);
}

void FrameBatches::AddOutline(const Primitive& p) {
    // Whole primitives only, as GL draws them: a line per two vertices, a polygon per three or four.
    const uint32_t per = VerticesPerPrimitive(p.Kind);
    const uint32_t whole = p.Count / per;
    const uint32_t ends = p.Kind == PrimitiveKind::Lines ? 2 * whole : 2 * per * whole;
    if (indices_.size() < indexCount_ + ends) indices_.resize(2 * (indexCount_ + ends) + 64);
    uint32_t* out = indices_.data() + indexCount_;
    for (uint32_t k = 0; k < whole; ++k) {
        const uint32_t f = p.First + k * per;
        if (p.Kind == PrimitiveKind::Lines) {
            *out++ = f;
            *out++ = f + 1;
        } else {
            out = PutSides(out, f, per);
        }
    }
    indexCount_ += ends;
    for (uint32_t k = 0; k < p.Count; ++k) colours_[p.First + k] = p.Colour;
}

void FrameBatches::Build(const Frame& frame, bool outlines) {
    const auto primitives = frame.Primitives();
    // A frame never has more runs than primitives: size once, then fill in place.
    if (batches_.size() < primitives.size()) batches_.resize(primitives.size());
    count_ = indexCount_ = 0;
    colourCount_ = outlines ? frame.VertexCount() : 0;
    if (colours_.size() < colourCount_) colours_.resize(colourCount_);
    for (size_t i = 0; i < primitives.size(); ++i) {
        const Primitive& p = primitives[i];
        const auto index = static_cast<uint32_t>(i);
        if (outlines && OutlineKind(p)) {
            DrawBatch* run = count_ > 0 ? &batches_[count_ - 1] : nullptr;
            const bool joins = run != nullptr && run->Outlines() &&
                               primitives[run->FirstPrimitive].PointSize == p.PointSize;
            const auto first = static_cast<uint32_t>(indexCount_);
            AddOutline(p);
            const auto ends = static_cast<uint32_t>(indexCount_) - first;
            if (ends == 0) {
                // Too few vertices for one primitive: nothing drawn, but its colour is set.
                if (joins) run->LastPrimitive = index;
                continue;
            }
            if (joins) {
                run->LastPrimitive = index;
                run->Count = p.First + p.Count - run->First;
                run->IndexCount += ends;
            } else {
                batches_[count_++] = DrawBatch{index, index, p.First, p.Count, 0, first, ends};
            }
            continue;
        }
        if (count_ > 0 && !batches_[count_ - 1].Outlines() && JoinsArrayRun(frame, batches_[count_ - 1], p)) {
            DrawBatch& run = batches_[count_ - 1];
            run.LastPrimitive = index;
            run.Count += p.Count;
            continue;
        }
        batches_[count_++] = DrawBatch{index, index, p.First, p.Count, p.TexFirst, 0, 0};
    }
}

}  // namespace opt
