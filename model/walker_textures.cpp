// Textures, palette slots, texture groups and texture references.
#include <algorithm>

#include "model/walker.h"

namespace opt::walk {

void Walker::ReadTextureCounted() {
    const int x = NextRecord(kCountTextures, s_.ttx.Textures, FullTable::Textures);
    if (x < 0) return;
    ReadTexture(s_.ttx.Textures[x], x);
    ++s_.Counters[kCountTextures];
}

void Walker::ReadTexture(TextureRecord& x, int32_t index) {
    auto& ttx = s_.ttx;
    ReadHeader(x);
    x.Lead = Convert(x.Lead);
    x.Data_Offset = Convert(x.Data_Offset);
    cur_.Seek(x.Lead);
    cur_.ReadBytes(x.Name.data(), x.Name.size());
    const std::string name = TextureName(x);

    const bool listed = !listed_.insert(name).second;
    if (!listed) s_.Texture_List.push_back(name);
    // An empty name is never a texture of the list: it means no texture.
    const auto used = ttx.Unique_Names.begin() + s_.Unique_Count;
    if (!listed && !name.empty() && std::find(ttx.Unique_Names.begin(), used, name) == used) {
        const int k = s_.Unique_Count;
        if (k >= static_cast<int>(ttx.Unique_Names.size()) && k < limits_.RecordsOf(FullTable::Unique_Names)) {
            ttx.Unique_Names.emplace_back();
            ttx.Texture_Index.push_back(kUnsetIndex);
        }
        if (k < static_cast<int>(ttx.Unique_Names.size())) {
            ttx.Unique_Names[static_cast<size_t>(k)] = name;
            ttx.Texture_Index[static_cast<size_t>(k)] = index;
            ++s_.Unique_Count;
        } else {
            warn_.NoteFull(FullTable::Unique_Names);
        }
    }
    AddPending(name);

    cur_.Read(x.Palette_Offset);
    x.Palette_Offset = Convert(x.Palette_Offset);
    cur_.Read(x.Tex_Spare_1);
    cur_.Read(x.Size);
    cur_.Read(x.Tex_Spare_2);
    cur_.Read(x.Width);
    cur_.Read(x.Height);
    cur_.Seek(int64_t{x.Palette_Offset} + kPaletteBlockSkip);

    if (index == 0) {
        ReadPalettes(0);
        s_.Palette_Slots[0] = x.Palette_Offset;
    }
    int found = -1;
    int free_slot = -1;
    auto& slots = s_.Palette_Slots;
    for (int k = 0; k < static_cast<int>(slots.size()); ++k) {
        if (slots[static_cast<size_t>(k)] == x.Palette_Offset) found = k;
        if (slots[static_cast<size_t>(k)] == 0) {
            free_slot = k;
            break;
        }
    }
    if (found < 0 && free_slot < 0 && static_cast<int>(slots.size()) < limits_.Palette_Slots) {
        // Every slot holds another palette block: a new slot, with its own 16 palettes.
        free_slot = static_cast<int>(slots.size());
        slots.push_back(0);
        s_.Palettes.resize(slots.size() * kPalettesPerSlot);
    }
    int set = s_.Current_Palette_Set;
    if (found >= 0) {
        set = found;
    } else if (free_slot >= 1) {
        ReadPalettes(free_slot);
        s_.Palette_Slots[free_slot] = x.Palette_Offset;
        set = free_slot;
    } else if (free_slot < 0) {
        // All eight slots hold other palette blocks: this texture shows with the file's first one.
        warn_.Note(LoadProblem::kPaletteSlotsFull);
        set = 0;
    }
    x.Palette_Set = s_.Current_Palette_Set = set;
}

void Walker::ReadPalettes(int slot) {
    constexpr int64_t kBytes = int64_t{kPalettesPerSlot} * kPaletteEntries * 2;
    const uint8_t* run = cur_.Run(cur_.Pos(), kBytes);
    for (int p = slot * kPalettesPerSlot; p < (slot + 1) * kPalettesPerSlot; ++p) {
        for (int e = 0; e < kPaletteEntries; ++e) {
            uint8_t b[2];
            if (run != nullptr) {
                b[0] = *run++;
                b[1] = *run++;
            } else if (cur_.ReadBytes(b, 2) < 2) {
                continue;  // an entry not in the file keeps its colour
            }
            const uint8_t lo = b[0], hi = b[1];
            s_.Palettes[p][0][e] = static_cast<uint8_t>((hi >> 3) * 8);
            s_.Palettes[p][1][e] = static_cast<uint8_t>((((hi & 7) * 8) + (lo >> 5)) * 4);
            s_.Palettes[p][2][e] = static_cast<uint8_t>((lo & 31) * 8);
        }
    }
    if (run != nullptr) cur_.Seek(cur_.Pos() + kBytes);
}

void Walker::ReadGroup() {
    auto& g = s_.ttx.Groups[s_.Counters[kCountTextureGroups]];
    ++s_.Counters[kCountTextureGroups];
    ReadHeader(g);
    g.Jump_List_Offset = Convert(g.Jump_List_Offset);
    cur_.Seek(g.Jump_List_Offset);
    const int n = Fit(g.Num_Jumps, kMaxGroupChildren, LoadProblem::kJumpListFull);
    int32_t raw[kMaxGroupChildren] = {};
    ReadJumpList(n, g.Jumps, raw, /*convert_all=*/true);
    // The pending count is not reset between children: each texture or reference adds one name.
    for (int k = 0; k < n; ++k) {
        if (!Followable(raw[k], g.Jumps[k])) continue;
        cur_.Seek(g.Jumps[k]);
        Peek();
        if (s_.txw.IsBlock(kTexture))
            ReadTextureCounted();
        else if (s_.txw.IsBlock(kTextureRef))
            ReadReferenceCounted();
    }
}

void Walker::ReadReferenceCounted() {
    const int r = NextRecord(kCountTextureRefs, s_.ttx.Refs, FullTable::Refs);
    if (r < 0) return;
    auto& ref = s_.ttx.Refs[r];
    ReadHeader(ref);
    ref.Data_Offset = Convert(ref.Data_Offset);
    cur_.Seek(ref.Data_Offset);
    cur_.ReadBytes(ref.Name.data(), ref.Name.size());
    AddPending(ReferenceName(ref));
    ++s_.Counters[kCountTextureRefs];
}

void Walker::AddPending(const std::string& name) {
    if (pending_count_ >= kMaxPendingNames) {
        warn_.Note(LoadProblem::kPendingNamesFull);
        return;
    }
    pending_[pending_count_++] = name;
}

}  // namespace opt::walk
