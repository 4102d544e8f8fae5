// Mesh-level blocks: hardpoints, rotation/scale, descriptors, vertices, texture vertices, normals
// and nodes.
#include "model/walker.h"

namespace opt::walk {

void Walker::ReadHardpoint(int mesh) {
    const int r = NextRecord(kCountHardpoints, s_.ttbh, FullTable::TTBH);
    if (r < 0) return;
    auto& h = s_.ttbh[r];
    h.Mesh = mesh;
    ReadHeader(h);
    if (h.Data_Offset != 0) h.Data_Offset = Convert(h.Data_Offset);
    cur_.Seek(h.Data_Offset);
    cur_.Read(h.HP_Type);
    cur_.Read(h.X);
    cur_.Read(h.Y);
    cur_.Read(h.Z);
    ++s_.Counters[kCountHardpoints];
}

void Walker::ReadRotScale(int mesh) {
    const int r = NextRecord(kCountRotScale, s_.trsh, FullTable::TRSH);
    if (r < 0) return;
    auto& rs = s_.trsh[r];
    rs.Mesh = mesh;
    ReadHeader(rs);
    rs.Data_Offset = Convert(rs.Data_Offset);
    cur_.Seek(rs.Data_Offset);
    for (int k = 0; k < 12; ++k) cur_.Read(rs.Float(k));
    ++s_.Counters[kCountRotScale];
}

void Walker::ReadDescriptor(int mesh) {
    const int r = NextRecord(kCountDescriptors, s_.tcb, FullTable::TCB);
    if (r < 0) return;
    auto& d = s_.tcb[r];
    d.Mesh = mesh;
    // Header and payload are read as one 96-byte run.
    ReadHeader(d);
    cur_.Read(d.Mesh_Type);
    cur_.Read(d.N2);
    for (float* v : {d.HZ_Span, d.HZ_Centre, d.HZ_Min, d.HZ_Max})
        for (int k = 0; k < 3; ++k) cur_.Read(v[k]);
    cur_.Read(d.Group_ID);
    for (int k = 0; k < 3; ++k) cur_.Read(d.Target[k]);
    d.Data_Offset = Convert(d.Data_Offset);
    ++s_.Counters[kCountDescriptors];
}

// Vertices, texture vertices and normals: Count records of floats directly after the header.
template <class Record, size_t N>
void Walker::ReadElementBlock(Table<Record, kMaxVertexBlocks>& table, Counter c, FullTable t, int mesh,
                              std::array<Plane Record::*, N> planes) {
    const int r = NextRecord(c, table, t);
    if (r < 0) return;
    auto& block = table[r];
    block.Mesh = mesh;
    ReadHeader(block);
    block.Data_Offset = Convert(block.Data_Offset);
    constexpr int64_t kElementBytes = int64_t{4} * N;
    const int n = Slots(block.Count, kMaxElements, limits_.Elements, kElementBytes, kElementBytes);
    std::array<float*, N> out;
    for (size_t k = 0; k < N; ++k) {
        Plane& plane = block.*planes[k];
        if (n > static_cast<int>(plane.size())) plane.resize(static_cast<size_t>(n), kUnsetReal);
        out[k] = plane.data();
    }
    cur_.ReadPlanes(out, n);
    ++s_.Counters[c];
}

void Walker::ReadVertices(int mesh) {
    ReadElementBlock<VertexRecord, 3>(s_.tvx, kCountVertices, FullTable::TVX, mesh,
                                      {&VertexRecord::X, &VertexRecord::Y, &VertexRecord::Z});
}

void Walker::ReadTexVertices(int mesh) {
    ReadElementBlock<TexVertexRecord, 2>(s_.ttvx, kCountTexVertices, FullTable::TTVX, mesh,
                                         {&TexVertexRecord::U, &TexVertexRecord::V});
}

void Walker::ReadNormals(int mesh) {
    ReadElementBlock<NormalRecord, 3>(s_.ttvn, kCountNormals, FullTable::TTVN, mesh,
                                      {&NormalRecord::X, &NormalRecord::Y, &NormalRecord::Z});
}

void Walker::ReadNode(int mesh) {
    // The node takes its record before any child is read, so nested nodes take later records.
    const int r = NextRecord(kCountNodes, s_.ttmih, FullTable::TTMIH);
    if (r < 0) return;
    ++s_.Counters[kCountNodes];
    auto& node = s_.ttmih[r];
    const int32_t start = static_cast<int32_t>(cur_.Pos());
    node.Mesh = mesh;
    ReadHeader(node);
    node.Jump_List_Offset = Convert(node.Jump_List_Offset);
    cur_.Seek(node.Jump_List_Offset);
    const int n = TakeEntries(Fit(node.Num_Jumps, limits_.Children, LoadProblem::kJumpListFull));
    if (n > static_cast<int>(node.Jumps.size())) node.Jumps.resize(static_cast<size_t>(n), 0);
    std::vector<int32_t> raw(static_cast<size_t>(n), 0);
    ReadJumpList(n, node.Jumps.data(), raw.data(), /*convert_all=*/false);
    // The children may grow the node table (nested nodes), which moves its records: follow a copy.
    const std::vector<int32_t> children(node.Jumps.begin(), node.Jumps.begin() + n);
    active_.push_back(start);
    for (int k = 0; k < n; ++k)
        if (raw[k] != 0) FollowChild(children[static_cast<size_t>(k)], mesh);
    active_.pop_back();
}

}  // namespace opt::walk
