// The texture of a face in textured display: the face-data entry's first pending texture name,
// trimmed, against the texture list's unique names, trimmed the same way, case-sensitively.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/format.h"
#include "model/store.h"
#include "render/core/frame.h"

namespace opt {

class TextureLookup {
public:
    // Trims the unique names once for the whole frame.
    explicit TextureLookup(const TTX& ttx);

    // The first list entry whose unique name equals name (both trimmed); empty list entries
    // (Texture_Index 1234) never match. Nothing when no entry matches.
    std::optional<TextureBinding> Find(const std::string& name) const;

private:
    const TTX& ttx_;
    std::array<std::string, kMaxUniqueNames> trimmed_;
};

}  // namespace opt
