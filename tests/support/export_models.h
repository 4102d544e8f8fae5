// A model for the export tests: two meshes at two levels of detail, quads and triangles, two
// textures in two palette blocks, hardpoints, descriptors, a rotation/scale block, and the edge
// cases an exporter must carry (a zero normal, a name that matches no texture, an index outside the
// mesh's records). Sizes are multiples of 20.5 file units, so positions in metres are whole.
#pragma once

#include <string>

#include "tests/support/opt_builder.h"

namespace optb {

// Mesh 0 ("asym", type 5, group 3): vertices 0 (0,0,0), 1 (20.5,0,0), 2 (20.5,41,0), 3 (0,41,0),
// 4 (0,0,61.5); all lengths differ, so a mirror image or a swapped axis shows.
//   LOD 0: texture "Hull" (2 x 2 pixels 1, 2 / 3, 4, palette block 0), face data
//          [quad 0,3,2,1 (front +z), tri 0,1,4 (normal 4 is zero)], then a reference to "NOPE"
//          and face data [tri 1,2,4] (keeps "Hull", as in the view).
//   LOD 1: face data [tri 0,3,2] after a reference to "Hull".
//   Hardpoint type 1 at (41, 20.5, 0), rotation/scale block.
// Mesh 1 ("wing", type 1, group 4): a 4 x 2 texture "Wing" in palette block 1.
//   LOD 0: face data [quad 0,3,2,1, tri with vertex 99 (outside its 4 vertices)].
//   LOD 1: face data [tri 0,3,2].
//   Hardpoint type 7 at (0, 0, 20.5).
// hull and wing name the two textures (and the references to them).
Model export_model(const std::string& hull = "Hull", const std::string& wing = "Wing");
// The same meshes after a texture at the top level: they become meshes 1 and 2, and the view draws
// them with the quirks of such files.
Model export_model_after_top_texture();

// export_model without normal blocks, and the wing's quad with a fourth texture-vertex index (7)
// outside its mesh's texture vertices.
Model export_model_lacking_records();

// Face counts of export_model.
inline constexpr int kExportMesh0Lod0Triangles = 4;
inline constexpr int kExportMesh1Lod0Triangles = 2;
inline constexpr int kExportSkippedLod0 = 1;

}  // namespace optb
