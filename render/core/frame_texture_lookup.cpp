#include "render/core/frame_texture_lookup.h"

namespace opt {

TextureLookup::TextureLookup(const TTX& ttx) : ttx_(ttx) {
    for (int k = 0; k < kMaxUniqueNames; ++k) trimmed_[k] = TrimName(ttx.Unique_Names[k]);
}

std::optional<TextureBinding> TextureLookup::Find(const std::string& name) const {
    const std::string wanted = TrimName(name);
    for (int k = 0; k < kMaxUniqueNames; ++k) {
        if (trimmed_[k] != wanted) continue;
        // An unused entry has an empty name: an empty name meets it and means no texture.
        if (ttx_.Texture_Index[k] == kUnsetIndex) return TextureBinding{};
        return TextureBinding{k, ttx_.Texture_Index[k]};
    }
    return std::nullopt;
}

}  // namespace opt
