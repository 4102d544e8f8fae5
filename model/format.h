// OPT format constants: block type codes, table capacities and unset markers.
#pragma once

#include <cstdint>

namespace opt {

// Block type codes the reader handles.
enum BlockType : int32_t {
    kNode = 0,
    kFaceData = 1,
    kVertices = 3,
    kTextureRef = 7,
    kVertexNormals = 11,
    kTextureVertices = 13,
    kTexture = 20,
    kLodSet = 21,
    kHardpoint = 22,
    kRotScale = 23,
    kTextureGroup = 24,
    kMeshDescriptor = 25,
};

// Unset markers written by Clear; consumers test them to tell loaded slots from empty ones.
inline constexpr float kUnsetReal = 1234.0f;
inline constexpr int32_t kUnsetIndex = 1234;
inline constexpr int32_t kUnsetFaceMesh = 9999;
inline constexpr char kUnsetNameChar = '+';

// Capacities of the fixed tables.
inline constexpr int kMaxTopLevel = 50;
inline constexpr int kMaxMeshChildren = 20;
inline constexpr int kMaxNodeChildren = 20;
inline constexpr int kMaxHardpoints = 100;
inline constexpr int kMaxRotScale = 50;
inline constexpr int kMaxDescriptors = 50;
inline constexpr int kMaxVertexBlocks = 50;
inline constexpr int kMaxTexVertexBlocks = 50;
inline constexpr int kMaxNormalBlocks = 50;
inline constexpr int kMaxNodes = 50;
inline constexpr int kMaxElements = 1000;  // vertices, texture vertices, normals per block
inline constexpr int kMaxLodSets = 100;
inline constexpr int kMaxLods = 30;  // LODs per set, children per face list
inline constexpr int kMaxFaceLists = 50;
inline constexpr int kMaxFaceData = 200;
inline constexpr int kMaxFaces = 50;
inline constexpr int kMaxTextures = 150;
inline constexpr int kMaxTextureGroups = 150;
inline constexpr int kMaxTextureRefs = 150;
inline constexpr int kMaxUniqueNames = 150;
inline constexpr int kMaxGroupChildren = 10;
inline constexpr int kMaxPendingNames = 7;
inline constexpr int kPaletteSlots = 8;
inline constexpr int kPalettesPerSlot = 16;
inline constexpr int kPalettes = kPaletteSlots * kPalettesPerSlot;
inline constexpr int kPaletteEntries = 256;

// The file header ends with the top-level Num_Jumps (byte 14) and Jump_List_Offset (byte 18).
inline constexpr int kFileHeaderBytes = 22;

// Sizes of the fixed runs the editors write back.
inline constexpr int kHeaderBytes = 24;
inline constexpr int kHardpointRunBytes = 40;
inline constexpr int kRotScaleRunBytes = 72;
inline constexpr int kDescriptorRunBytes = 96;

// Palette block layout: 4096 unread bytes, then 16 palettes of 256 RGB565 words.
inline constexpr int kPaletteBlockSkip = 4096;

}  // namespace opt
