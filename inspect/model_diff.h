// Two models compared table by table. Records are matched by their table position (record k of A
// with record k of B) and reported with their file positions in both files: each changed field,
// each record present in only one model, and for the element tables the number of changed elements
// (texture pixels, vertices, texture vertices, normals, faces).
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
    // Element tables: what the elements are ("pixels", "vertices", "faces", ...) and how many differ
    // (a different value, or present in only one of the two).
    std::string Elements;
    int64_t ChangedElements = 0;
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
// (B 4711)", "texture 0 pixels: 12 changed (A 100, B 100)", "vertex-block 2 vertices: 1 changed (...)".
std::vector<std::string> DiffLines(const ModelDiff& diff);

// A change's two values as text; reals that print alike with two decimals get nine digits.
std::pair<std::string, std::string> ChangeTexts(const FieldChange& c);

}  // namespace opt
