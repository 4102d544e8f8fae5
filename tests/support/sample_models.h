// Ready-made models: the demo ship the program opens, the max-capacity model of the benchmarks,
// and small models for the fuzzer's seed corpus and for tests. All are deterministic.
#pragma once

#include "tests/support/opt_builder.h"

namespace optb {

// A small ship seen from above (+Z, nose towards +Y): hull (mesh 0, MAINHULL), two wings
// (mesh 1, WING), engine with tail fin (mesh 2, ENGINE) and bridge inside a node (mesh 3, BRIDGE).
// Every mesh has vertices, texture vertices, normals, a descriptor, a rotation/scale block and a
// LOD set with two LODs (0 detailed, 1 coarse). Textures "Hull" (16x16, palette block 0) and
// "Wing" (10x6, palette block 1); the other face lists use texture references and groups.
// Hardpoints on the hull, the wing tips and the bridge.
Model demo_model();
inline constexpr int kDemoMeshes = 4;

// Fills every table to its capacity: 50 meshes, each with a vertex, texture-vertex and normal block
// of 1000 elements, a descriptor, a rotation/scale block, two hardpoints and a one-LOD set whose
// face list holds [texture, face data] x 3 and [texture reference, face data]: 200 face-data blocks
// of 50 faces, 150 textures (8x8) with 150 distinct names, 8 palette blocks.
Model maxcap_model();

// One mesh: three vertices, one triangle after one texture.
Model tiny_model();
// A mesh whose node holds a node holding the vertices, a hardpoint and the LOD set.
Model nested_node_model();
// A texture at the top level, then a mesh.
Model top_level_texture_model();
// A face list [texture group {texture A, texture B}, face data].
Model texture_group_model();
// A texture "Five" at the top level (entry 0), then mesh 1 with a LOD set of five face lists, face
// list j holding j + 1 triangles after a reference to "Five" (distances 100 to 500).
Model five_level_model();
inline constexpr int kFiveLevels = 5;

}  // namespace optb
