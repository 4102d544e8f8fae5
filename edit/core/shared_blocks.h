// Records of one table that describe the same bytes of the file (the same block type at the same
// Data_Offset, as when a mesh lists another mesh's block) are one block: an edit through one of them
// is an edit of all, so the runs written for them agree and the edit lands whichever is written last.
#pragma once

namespace opt {

// Copies r into entry index and into every other entry of the table with the same Type and nonzero
// Data_Offset; those keep their own Mesh (the mesh that lists the block, not part of the file).
template <class Table, class Record>
void StoreIntoBlock(Table& table, int index, const Record& r) {
    const auto type = table[index].Type;
    const auto offset = table[index].Data_Offset;
    for (int k = 0; k < Table::Capacity; ++k) {
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
