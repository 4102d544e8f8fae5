#include "model/load_warnings.h"

#include <string>

namespace opt {

namespace {

constexpr const char* kReplacedText = "the view, the listings and the exports skip ";
constexpr const char* kPaletteSlotsText = " palette blocks; textures of the others use palette set 0";

struct TableText {
    const char* name;  // as a user names the table: "the hardpoint table"
    const char* kind;
};

constexpr TableText kTables[] = {
    {"node-block", "node blocks"},
    {"face-list", "face lists"},
    {"face-data", "face-data blocks"},
    {"vertex-block", "vertex blocks"},
    {"texture-vertex", "texture-vertex blocks"},
    {"vertex-normal", "vertex-normal blocks"},
    {"texture", "textures"},
    {"texture", "texture groups"},
    {"texture", "texture references"},
    {"LOD-set", "LOD sets"},
    {"hardpoint", "hardpoints"},
    {"rotation/scale", "rotation/scale blocks"},
    {"mesh-descriptor", "mesh descriptors"},
    {"texture-name", "unique texture names"},
};
static_assert(std::size(kTables) == kTableKindCount);

std::string N(int n) { return std::to_string(n); }

// The text of a problem; the capacities it names are the load's limits.
std::string ProblemText(LoadProblem p, const TableLimits& l) {
    switch (p) {
        case LoadProblem::kHeaderShort:
            return "Warning: the file is too short to hold its header; nothing was read";
        case LoadProblem::kJumpListShort:
            return "Warning: the file is too short to hold its jump list; the entries past its end were not "
                   "read";
        case LoadProblem::kTopLevelFull:
            return "Warning: more than " + N(l.Top_Level) + " top-level entries; the rest were not read";
        case LoadProblem::kJumpListFull:
            return "Warning: a jump list holds more entries than its table keeps (" + N(l.Children) +
                   " per mesh or node, 30 per LOD set or face list, 10 per texture group); the rest were not "
                   "read";
        case LoadProblem::kElementsFull:
            return "Warning: a block holds more elements than its table keeps (" + N(l.Elements) +
                   " per vertex, texture-vertex or normal block, " + N(l.Faces) +
                   " per face-data block); the rest were not read";
        case LoadProblem::kPendingNamesFull:
            return "Warning: more than 7 texture names were pending for one face-data block; the rest were "
                   "dropped";
        case LoadProblem::kNegativeCount:
            return "Warning: a negative count was read; that list was taken as empty";
        case LoadProblem::kZeroEntry:
            return "Warning: a jump list holds a 0 entry; it was not followed";
        case LoadProblem::kOffsetOutside:
            return "Warning: an offset points outside the file; that block or field was not read";
        case LoadProblem::kCycle:
            return "Warning: a jump list leads back into a block being read; that entry was not followed";
        case LoadProblem::kTruncated:
            return "Warning: the file ends inside a block; the values past its end were not read";
        case LoadProblem::kPaletteSlotsFull:
            return "Warning: more than " + N(l.Palette_Slots) + kPaletteSlotsText;
        case LoadProblem::kTooManyVisits:
            return "Warning: the file lists its blocks more often than its size allows; the rest were not "
                   "followed";
        case LoadProblem::kProblemKinds:
            break;
    }
    return {};
}

}  // namespace

std::vector<std::string> LoadWarnings::Lines() const {
    std::vector<std::string> lines;
    for (size_t t = 0; t < full_.size(); ++t) {
        if (!full_.test(t)) continue;
        const auto& tt = kTables[t];
        lines.push_back("Warning: the " + std::string(tt.name) + " table holds " + N(limits_.Records[t]) +
                        " " + tt.kind + "; the file has more, and they were not read");
    }
    for (size_t p = 0; p < problems_.size(); ++p)
        if (problems_.test(p)) lines.push_back(ProblemText(static_cast<LoadProblem>(p), limits_));
    if (replaced_ > 0) {
        // The next face-data block of the file fills the same record, so these blocks' faces are in no
        // table: what the user sees is that they are missing.
        const bool one = replaced_ == 1;
        lines.push_back(
            "Warning: " + std::to_string(replaced_) +
            (one ? " face-data block (at position " : " face-data blocks (the first at position ") +
            std::to_string(first_replaced_) +
            (one ? ") has no texture before it; the next face-data block takes its place, so "
                 : ") have no texture before them; the next face-data block takes the place of "
                   "each, so ") +
            kReplacedText + (one ? "its" : "their") + " faces");
    }
    if (limits_.Classic && CutByCapacity()) lines.emplace_back(kClassicCutHint);
    return lines;
}

bool LoadWarnings::CutByCapacity() const {
    return full_.any() || problems_.test(static_cast<size_t>(LoadProblem::kTopLevelFull)) ||
           problems_.test(static_cast<size_t>(LoadProblem::kJumpListFull)) ||
           problems_.test(static_cast<size_t>(LoadProblem::kElementsFull)) ||
           problems_.test(static_cast<size_t>(LoadProblem::kPaletteSlotsFull));
}

const char* const kClassicCutHint =
    "Note: the classic table sizes are on; turn off View > Classic Table Sizes (or leave out "
    "--tables classic) to load the whole model";

int CountWarnings(const std::vector<std::string>& lines) {
    int n = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        ++n;
        if (lines[i] == kTopLevelTextureLines[0] && i + 1 < lines.size() &&
            lines[i + 1] == kTopLevelTextureLines[1])
            ++i;
    }
    return n;
}

bool IsDamageWarning(const std::string& line) {
    return line.starts_with("Warning: ") && line.find(kPaletteSlotsText) == std::string::npos &&
           line.find(kReplacedText) == std::string::npos;
}

}  // namespace opt
