// The texture of a face in textured display: the face-data entry's first pending texture name,
// trimmed, against the texture list's unique names, trimmed the same way, case-sensitively.
#pragma once

#include <unordered_map>
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

    // The binding of the first list entry whose unique name equals name (both trimmed). An empty
    // name that no entry carries means no texture: the face is drawn untextured. Nothing when no
    // entry matches: the face keeps the texture found before it.
    std::optional<TextureBinding> Find(const std::string& name) const;

private:
    const TTX& ttx_;
    // Trimmed name -> first entry that carries it, so that a face's lookup costs the same whether
    // the list holds 150 names or thousands.
    std::unordered_map<std::string, int> first_;
};

}  // namespace opt
