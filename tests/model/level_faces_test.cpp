// The face walk the exporters and the hit zones share: which records and faces it visits, and the
// records each face takes its vertices from.
#include "model/level_faces.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace opt {
namespace {

// Record i of the store: mesh, level, and the slots that hold a face (Vertex_0 = slot).
void Faces(ModelStore& s, int i, int32_t mesh, int32_t lod, int count, std::vector<int> held) {
    FaceDataRecord& fd = s.ttfd[i];
    fd.Type = kFaceData;
    fd.Count = count;
    fd.Mesh = mesh;
    fd.LOD = lod;
    fd.Lod_Position = lod;
    for (int j : held) fd.Vertex(0)[j] = j;
}

TEST(LevelFaces, EachFaceOfTheLevelComesWithTheRecordsOfItsOwnMesh) {
    auto s = std::make_unique<ModelStore>();
    s->Top_Textures = 1;  // a top-level texture shifts nothing
    s->tvx[0].Mesh = 2;   // blocks in reading order, not in mesh order
    s->tvx[1].Mesh = 1;
    s->Counters[kCountVertices] = 2;
    s->ttvn[0].Mesh = 1;
    s->Counters[kCountNormals] = 1;
    Faces(*s, 0, 1, 0, 2, {0, 1});  // the first record counts like any other
    Faces(*s, 1, 2, 1, 1, {0});     // another level: visited as a record only
    Faces(*s, 2, 3, 0, 1, {0});     // a mesh without blocks
    Faces(*s, 3, 2, 0, 0, {0});     // Count 0: not visited
    Faces(*s, 4, 2, 0, 3, {0, 2});  // slot 1 holds no face
    Faces(*s, 5, 2, 0, 2, {});      // no slot holds a face: not visited

    std::vector<int> records;
    std::vector<std::tuple<int, int, const VertexRecord*, const NormalRecord*>> faces;
    auto index = [&](const FaceDataRecord& fd) { return static_cast<int>(&fd - s->ttfd.Entries.data()); };
    WalkLevelFaces(
        StoreRecords(*s), 0, [&](const FaceDataRecord& fd) { records.push_back(index(fd)); },
        [&](const FaceDataRecord& fd, int j, const MeshRecords& own) {
            faces.emplace_back(index(fd), j, own.Vertices, own.Normals);
        });
    EXPECT_EQ(records, (std::vector<int>{0, 1, 2, 4}));
    const decltype(faces) expected{{0, 0, &s->tvx[1], &s->ttvn[0]},
                                   {0, 1, &s->tvx[1], &s->ttvn[0]},
                                   {2, 0, nullptr, nullptr},
                                   {4, 0, &s->tvx[0], nullptr},
                                   {4, 2, &s->tvx[0], nullptr}};
    EXPECT_EQ(faces, expected);
}

}  // namespace
}  // namespace opt
