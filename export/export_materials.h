// The materials of one export: one per texture that exported faces use, made when first used, and
// one plain material for faces without a texture. A texture's picture is its pixels through the
// palette level the view uploads (level 6 of its palette slot), with the view's bounds rules.
#pragma once

#include <map>
#include <span>
#include <vector>

#include "export/export_scene.h"
#include "model/store.h"
#include "render/core/frame.h"

namespace opt {

class ExportMaterials {
public:
    ExportMaterials(const ModelStore& store, std::span<const uint8_t> file) : store_(store), file_(file) {}

    // The material of a face bound to this texture (TextureBinding::kNoTexture: the plain one).
    int For(const TextureBinding& texture);
    const ExportMaterial& operator[](int material) const { return materials_[static_cast<size_t>(material)]; }
    std::vector<ExportMaterial> Take() { return std::move(materials_); }

private:
    ExportMaterial Make(const TextureBinding& texture) const;

    const ModelStore& store_;
    std::span<const uint8_t> file_;
    std::vector<ExportMaterial> materials_;
    std::map<int32_t, int> byEntry_;  // texture-list entry -> material
};

}  // namespace opt
