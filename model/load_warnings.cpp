#include "model/load_warnings.h"

#include <string>

namespace opt {

namespace {

struct TableText {
    const char* name;
    int capacity;
    const char* kind;
};

constexpr TableText kTables[] = {
    {"TTMIH", kMaxNodes, "node blocks"},
    {"TTMFH", kMaxFaceLists, "face lists"},
    {"TTFD", kMaxFaceData, "face-data blocks"},
    {"TVX", kMaxVertexBlocks, "vertex blocks"},
    {"TTVX", kMaxTexVertexBlocks, "texture-vertex blocks"},
    {"TTVN", kMaxNormalBlocks, "vertex-normal blocks"},
    {"TTX", kMaxTextures, "textures"},
    {"TTX", kMaxTextureGroups, "texture groups"},
    {"TTX", kMaxTextureRefs, "texture references"},
    {"TTMDH", kMaxLodSets, "LOD sets"},
    {"TTBH", kMaxHardpoints, "hardpoints"},
    {"TRSH", kMaxRotScale, "rotation/scale blocks"},
    {"TCB", kMaxDescriptors, "mesh descriptors"},
    {"TTX", kMaxUniqueNames, "unique texture names"},
};
static_assert(std::size(kTables) == static_cast<size_t>(FullTable::kTableKinds));

constexpr const char* kProblemText[] = {
    "Warning: the file is too short to hold its header; nothing was read",
    "Warning: the file is too short to hold its jump list; the entries past its end were not read",
    "Warning: more than 50 top-level entries; the rest were not read",
    "Warning: a jump list holds more entries than its table keeps (20 per mesh or node, 30 per LOD set "
    "or face list, 10 per texture group); the rest were not read",
    "Warning: a block holds more elements than its table keeps (1000 per vertex, texture-vertex or "
    "normal block, 50 per face-data block); the rest were not read",
    "Warning: more than 7 texture names were pending for one face-data block; the rest were dropped",
    "Warning: a negative count was read; that list was taken as empty",
    "Warning: a jump list holds a 0 entry; it was not followed",
    "Warning: an offset points outside the file; that block or field was not read",
    "Warning: a jump list leads back into a block being read; that entry was not followed",
    "Warning: the file ends inside a block; the values past its end were not read",
    "Warning: more than 8 palette blocks; textures of the others use palette set 0",
};
static_assert(std::size(kProblemText) == static_cast<size_t>(LoadProblem::kProblemKinds));

// The part every replaced-face-data line holds, whatever its numbers.
constexpr const char* kReplacedText = " replaced by the next face-data block; ";

}  // namespace

std::vector<std::string> LoadWarnings::Lines() const {
    std::vector<std::string> lines;
    for (size_t t = 0; t < full_.size(); ++t) {
        if (!full_.test(t)) continue;
        const auto& tt = kTables[t];
        lines.push_back("Warning: table " + std::string(tt.name) + " holds " + std::to_string(tt.capacity) +
                        " " + tt.kind + "; the file has more, and they were not read");
    }
    for (size_t p = 0; p < problems_.size(); ++p)
        if (problems_.test(p)) lines.emplace_back(kProblemText[p]);
    if (replaced_ > 0) {
        const bool one = replaced_ == 1;
        lines.push_back("Warning: " + std::to_string(replaced_) +
                        (one ? " face-data block" : " face-data blocks") + " (the first at file position " +
                        std::to_string(first_replaced_) + ")" +
                        (one ? " had no texture before it and was" : " had no texture before them and were") +
                        kReplacedText + (one ? "its" : "their") + " faces are not shown or listed");
    }
    return lines;
}

bool IsDamageWarning(const std::string& line) {
    return line.starts_with("Warning: ") &&
           line != kProblemText[static_cast<size_t>(LoadProblem::kPaletteSlotsFull)] &&
           line.find(kReplacedText) == std::string::npos;
}

}  // namespace opt
