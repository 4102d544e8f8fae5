// Files made from a model: glTF 2.0, OBJ, texture pictures and palettes. The model file is only
// read; each target is written whole under a temporary name and renamed, or not at all.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "zedaruz/model.h"
#include "zedaruz/visibility.h"

namespace zedaruz {

// The model at one level as .glb (binary) or .gltf (JSON), by the target's extension. Throws Error
// for a level the model lacks or a target that cannot be written.
ZEDARUZ_API void ExportGltf(const Model& model, const std::filesystem::path& out, int level = 0);
// Every level, a scene each.
ZEDARUZ_API void ExportGltfAllLevels(const Model& model, const std::filesystem::path& out);
// OBJ with its MTL and one PNG per texture beside it.
ZEDARUZ_API void ExportObj(const Model& model, const std::filesystem::path& out, int level = 0);
// The texture as an 8-bit BMP in the folder, as `zedaruz-cli export-bmp`; returns the file written.
ZEDARUZ_API std::filesystem::path ExportBmp(const Model& model, const std::string& texture,
                                            const std::filesystem::path& folder);
// The palettes as .pal files in the folder, as `zedaruz-cli export-pals`; returns the files written.
ZEDARUZ_API std::vector<std::filesystem::path> ExportPalettes(const Model& model,
                                                              const std::filesystem::path& folder);

}  // namespace zedaruz
