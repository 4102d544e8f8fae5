#include "export/export_materials.h"

#include "render/core/palette_colours.h"
#include "render/core/texture_load.h"
#include "render/core/texture_pixels.h"

namespace opt {

int ExportMaterials::For(const TextureBinding& texture) {
    const auto [it, added] = byEntry_.try_emplace(texture.Entry, static_cast<int>(materials_.size()));
    if (added) materials_.push_back(Make(texture));
    return it->second;
}

ExportMaterial ExportMaterials::Make(const TextureBinding& texture) const {
    ExportMaterial m;
    const auto& names = store_.ttx.Unique_Names;
    const auto& textures = store_.ttx.Textures.Entries;
    if (texture.Entry < 0 || texture.Entry >= static_cast<int32_t>(std::size(names))) {
        m.Name = kUntexturedMaterial;
        return m;
    }
    m.Name = TrimName(names[texture.Entry]);
    if (texture.Record < 0 || texture.Record >= static_cast<int32_t>(textures.size())) return m;
    const TexturePixels px = FetchTexturePixels(file_, textures[static_cast<size_t>(texture.Record)]);
    m.Width = px.Width;
    m.Height = px.Height;
    m.Rgb = ExpandToRgb8(px.Indices, SetPalette(store_, UploadPaletteNumber(store_, texture.Record)));
    return m;
}

}  // namespace opt
