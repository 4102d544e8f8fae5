// Two models compared table by table. Records are matched by their table position (record k of A
// with record k of B) and reported with their file positions in both files: each changed field,
// each record present in only one model, and for the element tables the number of changed elements
// (texture pixels, palette colours per level, vertices, texture vertices, normals, faces). Bytes
// that differ outside the records found changed are counted too, so two files are equal only when
// every byte is.
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

// Bytes [Start, Start + Length) of a file.
struct ByteSpan {
    int64_t Start = 0;
    int64_t Length = 0;
};

struct RecordChange {
    std::string Table;
    int Index = 0;
    // How the record is named for users when its table position says little (a palette: the texture
    // that owns it and the level, "Hull, level 7"); empty: table and index.
    std::string Name;
    std::optional<int64_t> PositionA;  // empty: the record is only in B
    std::optional<int64_t> PositionB;  // empty: the record is only in A
    std::vector<FieldChange> Fields;
    // Element tables: what the elements are ("pixels", "vertices", "faces", ...) and how many differ
    // (a different value, or present in only one of the two).
    std::string Elements;
    int64_t ChangedElements = 0;
    // The bytes the compared values come from, in A and in B.
    std::vector<ByteSpan> Spans;
};

struct ModelDiff {
    std::vector<FieldChange> Header;
    std::vector<RecordChange> Records;
    // Bytes that differ (or lie past the end of the shorter file) outside the header and the records
    // found changed, and the first of them (-1: none).
    int64_t OtherBytes = 0;
    int64_t FirstOtherByte = -1;
    bool Empty() const { return Header.empty() && Records.empty() && OtherBytes == 0; }
};

// The stores as loaded from the two files, and the files' bytes (for the texture pixels and palettes,
// and for the bytes no record covers).
ModelDiff DiffModels(const ModelStore& a, std::span<const uint8_t> fileA, const ModelStore& b,
                     std::span<const uint8_t> fileB);

// One line per change: "hardpoint 3 x: 1.00 -> 2.00 (A 4711, B 4711)", "hardpoint 6 only in B
// (B 4711)", "texture 0 pixels: 12 changed (A 100, B 100)", "vertex-block 2 vertices: 1 changed (...)",
// "palette Hull, level 7 colours: 1 changed (A 9000, B 9000)", and last "N other bytes differ, the
// first at position P" ("1 other byte differs, at position P").
std::vector<std::string> DiffLines(const ModelDiff& diff);

// A change's two values as text; reals that print alike with two decimals get nine digits.
std::pair<std::string, std::string> ChangeTexts(const FieldChange& c);

}  // namespace opt
