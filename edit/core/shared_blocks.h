// Records of one table that describe the same bytes of the file (the same block type at the same
// Data_Offset, as when a mesh lists another mesh's block) are one block: an edit through one of them
// is an edit of all, so the runs written for them agree and the edit lands whichever is written last.
#pragma once

#include <cstring>
#include <string>
#include <type_traits>

#include "model/errors.h"

namespace opt {

// True when a and b hold the same values apart from Mesh (the mesh that lists the block).
template <class Record>
bool SameBlockValues(const Record& a, Record b) {
    static_assert(std::is_trivially_copyable_v<Record>);
    b.Mesh = a.Mesh;
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

// Copies r into entry index and into every other entry of the table with the same Type and nonzero
// Data_Offset; those keep their own Mesh. Records of one block were read from the same bytes and hold
// the same values; when one does not (a crafted file whose block headers share a Data_Offset but whose
// data lie elsewhere), the edit would write one record's data over the other's: nothing is changed and
// the write is refused.
template <class Table, class Record>
void StoreIntoBlock(Table& table, int index, const Record& r) {
    const auto type = table[index].Type;
    const auto offset = table[index].Data_Offset;
    for (int k = 0; k < table.Size(); ++k) {
        const auto& e = table[k];
        if (k != index && offset != 0 && e.Data_Offset == offset && e.Type == type &&
            !SameBlockValues(table[index], e))
            throw OptError("Nothing written: entries " + std::to_string(index) + " and " + std::to_string(k) +
                           " name the block at file position " + std::to_string(offset) +
                           " but were not read from the same bytes.");
    }
    for (int k = 0; k < table.Size(); ++k) {
        auto& e = table[k];
        if (k == index) {
            e = r;
        } else if (offset != 0 && e.Data_Offset == offset && e.Type == type) {
            const auto mesh = e.Mesh;
            e = r;
            e.Mesh = mesh;
        }
    }
}

}  // namespace opt
