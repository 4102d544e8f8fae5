// The hit-zone computation: while SBHZ is down, DrawModel feeds every face of its main pass through
// this hook. The box of one mesh grows face by face (AccumulateHZ); the first face of the next mesh
// closes it into the descriptor just below that mesh's table number (StoreHZ(a - 1)), and the end of
// the pass stores the last mesh's box into its own entry.
#pragma once

#include <memory>
#include <optional>

#include "model/store.h"
#include "render/core/frame_hit_zone_hook.h"

namespace opt {

// The box being accumulated.
class TheHZ {
public:
    float Min_X, Max_X, Min_Y, Max_Y, Min_Z, Max_Z;
    TheHZ() { Reset(); }
    // Minima 999999.0, maxima -999999.0.
    void Reset();
};

class HitZoneComputation : public HitZoneHook {
public:
    explicit HitZoneComputation(ModelStore& store) : store_(store) {}

    // HitZoneHook: a pass starts, visits faces, and ends with the final store.
    void Begin() override;
    void FaceHZ(int a, const CurFace& face, bool meshChanged, int32_t mesh) override;
    void Finish(std::optional<int> lastVertexEntry) override;

    // Widens Current_HZ by the face's vertices in TVX entry a: Vertex_0..2, and Vertex_3 unless it is
    // -1; indices outside 0..999 are left out. X of all of them, then Y, then Z; strict comparisons,
    // the minimum tested first.
    void AccumulateHZ(int a, const CurFace& face);
    // Writes Current_HZ into TCB entry k (nothing when k is outside 0..49): HZ_Min, HZ_Max, then
    // HZ_Span = max - min rounded to float, HZ_Centre = span / -2 + max.
    void StoreHZ(int k);

    // The box of the running pass; null between passes.
    const TheHZ* Current_HZ() const { return current_.get(); }

private:
    TheHZ& Box();
    ModelStore& store_;
    std::unique_ptr<TheHZ> current_;
};

}  // namespace opt
