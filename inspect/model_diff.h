// Two models compared table by table. Records are matched by their table position (record k of A
// with record k of B) and reported with their file positions in both files: each changed field,
// each record present in only one model, and for textures the number of changed pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "inspect/model_records.h"

namespace opt {

struct FieldChange {
    std::string Name;
    std::optional<FieldValue> A;  // empty: the field is only in B (a LOD set with more levels)
    std::optional<FieldValue> B;
};

struct RecordChange {
    std::string Table;
    int Index = 0;
    std::optional<int64_t> PositionA;  // empty: the record is only in B
    std::optional<int64_t> PositionB;  // empty: the record is only in A
    std::vector<FieldChange> Fields;
    int64_t ChangedPixels = 0;  // textures: pixels whose colour index differs (or that only one has)
};

struct ModelDiff {
    std::vector<FieldChange> Header;
    std::vector<RecordChange> Records;
    bool Empty() const { return Header.empty() && Records.empty(); }
};

// The stores as loaded from the two files, and the files' bytes (for the texture pixels).
ModelDiff DiffModels(const ModelStore& a, std::span<const uint8_t> fileA, const ModelStore& b,
                     std::span<const uint8_t> fileB);

// One line per change: "hardpoint 3 x: 1.00 -> 2.00 (A 4711, B 4711)", "hardpoint 6 only in B
// (B 4711)", "texture 0 pixels: 12 changed (A 100, B 100)".
std::vector<std::string> DiffLines(const ModelDiff& diff);

// A change's two values as text; reals that print alike with two decimals get nine digits.
std::pair<std::string, std::string> ChangeTexts(const FieldChange& c);

}  // namespace opt
