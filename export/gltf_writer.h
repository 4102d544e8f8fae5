// The export scene as a glTF 2.0 asset (tinygltf): one scene per level ("LOD N", the first one the
// default), a node and mesh per OPT mesh with one primitive per material, hardpoints as child nodes,
// the modder's data in extras, textures as PNG images with nearest filtering and clamped edges.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "export/export_scene.h"

namespace opt {

enum class GltfForm {
    Binary,  // .glb: JSON and buffer in one file
    Json,    // .gltf: JSON with the buffer embedded as a data URI
};

// Json for a path ending in ".gltf" (any case), else Binary.
GltfForm GltfFormOf(const std::string& path);

// Writes the asset to out.
void WriteGltf(const ExportScene& scene, GltfForm form, std::ostream& out);
// The bytes of the asset.
std::vector<uint8_t> GltfBytes(const ExportScene& scene, GltfForm form);

}  // namespace opt
