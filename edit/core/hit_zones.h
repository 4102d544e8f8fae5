// Hit zones, computed from the model alone: each mesh's box is the box of the vertices that its own
// faces of a level use, read from its own vertex block through the walk the exporters use
// (model/level_faces.h), and it is stored into that mesh's descriptors. Drawing plays no part: the
// same model gives the same boxes whatever the view shows.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/store.h"
#include "model/store_records.h"

namespace opt {

// The box being accumulated.
class TheHZ {
public:
    float Min_X, Max_X, Min_Y, Max_Y, Min_Z, Max_Z;
    TheHZ() { Reset(); }
    // Minima 999999.0, maxima -999999.0.
    void Reset();
};

// The box of every mesh whose faces of level lod reach a vertex of its own vertex block, by mesh
// number; nothing is stored.
std::map<int32_t, TheHZ> MeshHitZones(const ModelStore& store, int32_t lod = 0);

// Computes the box of every mesh from the model's faces of level lod and stores it into each mesh
// descriptor (entry of Type 25) of that mesh in `descriptors` (the model's TCB or a copy of it).
// Returns the mesh descriptors that received no box, in table order: their mesh has no face of that
// level with a vertex inside its vertex block, and they keep the values they hold.
std::vector<int> ComputeHitZones(const ModelStore& model, TCB& descriptors, int32_t lod = 0);
// The same, into the model's own descriptors (the boxes the hit-zone display shows).
std::vector<int> ComputeHitZones(ModelStore& store, int32_t lod = 0);

// The line naming the mesh descriptors a computation at level 0 gave no box, or empty when there are
// none.
std::string MeshesWithoutBoxLine(const std::vector<int>& withoutBox);

// Widens hz by the vertices of face j of fd in the vertex block v: Vertex_0..2, and Vertex_3 of a
// quadrilateral; indices outside the block's stored vertices are left out. X of all of them, then Y,
// then Z; strict comparisons, the minimum tested first. Returns whether a vertex lay inside the block.
bool AccumulateHZ(TheHZ& hz, const VertexRecord& v, const FaceDataRecord& fd, int j);

// Writes the box into d: HZ_Min, HZ_Max, then HZ_Span = max - min rounded to float,
// HZ_Centre = span / -2 + max.
void StoreHZ(DescriptorRecord& d, const TheHZ& hz);

}  // namespace opt
