// The hit-zone computation: while SBHZ is down, DrawModel feeds every face of its main pass through
// this hook. The box of one run of a mesh's faces grows face by face (AccumulateHZ); the first face
// of another mesh, and the end of the pass, close the run into the descriptor of the mesh its faces
// came from (the face list's mesh number less the Top_Textures shift). A mesh whose faces come in
// several runs gets the union of its runs; a mesh that received no vertex gets no store, so its
// descriptor keeps what the table holds.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

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
    // Writes the box into TCB entry k (nothing when k is outside 0..49): HZ_Min, HZ_Max, then
    // HZ_Span = max - min rounded to float, HZ_Centre = span / -2 + max.
    void StoreHZ(int k, const TheHZ& hz);

    // The box of the running run of faces; null between passes.
    const TheHZ* Current_HZ() const { return current_.get(); }

    // After a pass: the mesh descriptors (TCB entries of Type 25) that received no box.
    std::vector<int> DescriptorsWithoutBox() const;

private:
    TheHZ& Box();
    // Closes the running run into its mesh's union and stores that union.
    void CloseRun();
    ModelStore& store_;
    std::unique_ptr<TheHZ> current_;
    int runEntry_ = -1;       // the table mesh number of the running run's faces
    bool runFilled_ = false;  // the running run received a vertex
    std::vector<TheHZ> unions_;  // one per descriptor entry, sized at Begin
    std::vector<bool> filled_;   // entry k received a vertex in this pass
};

}  // namespace opt
