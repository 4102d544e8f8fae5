// How far the tables may grow. Every table starts each load at its classic capacity (the sizes the
// game's own files fit) and grows, while the file is read, to what the file needs, up to the limits
// of the mode in force. The classic mode keeps the classic capacities exactly, as other tools do.
#pragma once

#include <array>
#include <cstdint>

#include "model/format.h"

namespace opt {

// Tables whose records can run out, in the order their warnings are listed.
enum class FullTable {
    TTMIH,
    TTMFH,
    TTFD,
    TVX,
    TTVX,
    TTVN,
    Textures,
    Groups,
    Refs,
    TTMDH,
    TTBH,
    TRSH,
    TCB,
    Unique_Names,
    kTableKinds
};

inline constexpr size_t kTableKindCount = static_cast<size_t>(FullTable::kTableKinds);

struct TableLimits {
    bool Classic = false;
    int Top_Level = 0;     // top-level entries
    int Children = 0;      // children of a mesh or a node
    int Elements = 0;      // vertices, texture vertices or normals of one block
    int Faces = 0;         // faces of one face-data block
    int Palette_Slots = 0; // palette blocks read
    std::array<int, kTableKindCount> Records{};  // records of each table

    int RecordsOf(FullTable t) const { return Records[static_cast<size_t>(t)]; }

    // The capacities the game's files fit: what every table holds at the start of a load.
    static constexpr TableLimits ClassicSizes() {
        return {true,
                kMaxTopLevel,
                kMaxMeshChildren,
                kMaxElements,
                kMaxFaces,
                kPaletteSlots,
                {kMaxNodes, kMaxFaceLists, kMaxFaceData, kMaxVertexBlocks, kMaxTexVertexBlocks,
                 kMaxNormalBlocks, kMaxTextures, kMaxTextureGroups, kMaxTextureRefs, kMaxLodSets,
                 kMaxHardpoints, kMaxRotScale, kMaxDescriptors, kMaxUniqueNames}};
    }
    // What models made today need: up to 255 meshes of 65,535 vertices, thousands of textures.
    static constexpr TableLimits Grown() {
        return {false,
                1024,
                1024,
                65536,
                65536,
                1024,
                {4096, 16384, 65536, 4096, 4096, 4096, 8192, 8192, 8192, 4096, 4096, 4096, 4096, 8192}};
    }
};

static_assert(kMaxMeshChildren == kMaxNodeChildren, "one limit serves the children of meshes and nodes");

}  // namespace opt
