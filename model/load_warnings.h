// The kinds of damage the reader can meet in a file. Each kind is reported once per load, as one
// line in the listing box, so the user knows that the tables hold only part of the file.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "model/store.h"
#include "model/table_limits.h"

namespace opt {

enum class LoadProblem {
    kHeaderShort,
    kJumpListShort,
    kTopLevelFull,
    kJumpListFull,
    kElementsFull,
    kPendingNamesFull,
    kNegativeCount,
    kZeroEntry,
    kOffsetOutside,
    kCycle,
    kTruncated,
    kPaletteSlotsFull,
    kTooManyVisits,
    kProblemKinds
};

class LoadWarnings {
public:
    // The limits of the load: the numbers the warnings name.
    explicit LoadWarnings(const TableLimits& limits) : limits_(limits) {}
    void Note(LoadProblem p) { problems_.set(static_cast<size_t>(p)); }
    void NoteFull(FullTable t) { full_.set(static_cast<size_t>(t)); }
    // A face-data block read with nothing pending, at file position pos, was replaced by the next one
    // (its record taken by the next face-data block, so its faces show nowhere).
    void NoteReplacedFaceData(int32_t pos) {
        if (replaced_++ == 0) first_replaced_ = pos;
    }
    bool Any() const { return problems_.any() || full_.any() || replaced_ > 0; }
    // Whether a capacity of the load (not damage) kept part of the file out of the tables.
    bool CutByCapacity() const;
    // One line per kind met, tables first, in a fixed order.
    std::vector<std::string> Lines() const;

private:
    std::bitset<static_cast<size_t>(LoadProblem::kProblemKinds)> problems_;
    std::bitset<static_cast<size_t>(FullTable::kTableKinds)> full_;
    TableLimits limits_;
    int replaced_ = 0;
    int32_t first_replaced_ = 0;
};

// The two lines the reader sends for a top-level texture: one warning.
inline constexpr const char* kTopLevelTextureLines[2] = {"Warning ***", "HiLites may Not be Correct"};

// How many warnings the reader's lines hold: one a line, the two lines of the top-level texture
// warning counting as one.
int CountWarnings(const std::vector<std::string>& lines);

// The line a load with the classic table sizes adds when it cut a table: how to read the whole model.
extern const char* const kClassicCutHint;

// Whether a line the reader sent to the listing box reports damage to the file's structure (outside
// the file, a cycle, a file that ends inside a block, a table or list that ran full, a negative count,
// a 0 entry). The ninth-palette note, the replaced face-data note and the top-level texture note are
// not damage: the file is read as its format says.
bool IsDamageWarning(const std::string& line);

}  // namespace opt
