#include "render/core/frame_texture_lookup.h"

namespace opt {

TextureLookup::TextureLookup(const TTX& ttx) : ttx_(ttx) {
    // Unused entries are left out; emplace keeps the first entry of a name.
    for (size_t k = 0; k < ttx.Unique_Names.size(); ++k)
        if (ttx.EntryUsed(k)) first_.emplace(TrimName(ttx.Unique_Names[k]), static_cast<int>(k));
}

std::optional<TextureBinding> TextureLookup::Find(const std::string& name) const {
    const std::string wanted = TrimName(name);
    const auto it = first_.find(wanted);
    if (it != first_.end()) return TextureBinding{it->second, ttx_.Texture_Index[static_cast<size_t>(it->second)]};
    if (wanted.empty()) return TextureBinding{};
    return std::nullopt;
}

}  // namespace opt
