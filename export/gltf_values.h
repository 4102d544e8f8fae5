// The JSON values of an exported glTF that come from the model: names as UTF-8, and the modder's
// data as `extras` (file values as stored, not turned into metres).
#pragma once

#include <tiny_gltf.h>

#include <string>
#include <string_view>

#include "export/export_scene.h"

namespace opt {

// JSON strings must be UTF-8; names from the file and the lookup file are bytes of any value. They
// are read as Latin-1 (as the windows show them), so every byte keeps a character of its own.
std::string Utf8(std::string_view bytes);

// The root's: the source file's name (no folders) and its length.
tinygltf::Value RootExtras(const ExportScene& scene);
// A mesh node's: its mesh number, descriptor and rotation/scale floats (when it has them).
tinygltf::Value NodeExtras(const ExportMeshNode& node);
// A hardpoint node's: its record number and type code.
tinygltf::Value HardpointExtras(const ExportHardpoint& hp);

}  // namespace opt
