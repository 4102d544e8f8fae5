// Listing of the face data and the memo summary of the selected face-data block.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "listings/listings.h"
#include "state/selection_state.h"

namespace opt {
namespace {

using testing::EmptyStore;
using testing::Lines;
using Text = std::vector<std::string>;

// Face f of r: indices base+0.. in each group; a fourth index of -1 makes that group a triangle.
void SetFace(FaceDataRecord& r, int f, int base, bool vertex_quad, bool edge_quad) {
    for (int g = 0; g < 4; ++g) {
        for (int k = 0; k < 4; ++k) r.Index(g, k)[f] = base + 10 * g + k;
        r.Quad[g][f] = 1;
    }
    if (!vertex_quad) {
        r.Index(kGroupVertex, 3)[f] = -1;
        r.Quad[kGroupVertex][f] = 0;
    }
    if (!edge_quad) {
        r.Index(kGroupEdge, 3)[f] = -1;
        r.Quad[kGroupEdge][f] = 0;
    }
    r.Normal_I[f] = 0.1f;
    r.Normal_J[f] = -1.0f;
    r.Normal_K[f] = 0.0f;
    for (int j = 0; j < 6; ++j) r.F[j][f] = static_cast<float>(j) * 0.5f;
}

TEST(FaceData, QuadAndTriangleFacesWithTextures) {
    auto store = EmptyStore();
    FaceDataRecord& r = store->ttfd[3];
    r.Type = 1;
    r.Mesh = 2;
    r.Data_Offset = 4096;
    r.Count = 2;
    r.Edges = 5;
    SetFace(r, 0, 0, true, true);
    SetFace(r, 1, 100, false, true);
    r.Tex_Names[0] = "Tex00001";
    r.Tex_Names[6] = "Tex00002";
    store->ttfd[4].Count = 3;  // Type 0: skipped
    EXPECT_EQ(
        Lines(store->ttfd),
        (Text{"Face_Data  3 Mesh 2 Offset 4096 NUM Faces = 2 Edges = 5",
              "Face 0 = 0,1,2,3, Quad,F a 0 = 10,11,12,13, Quad,F b 0 = 20,21,22,23, Quad,F c 0 = "
              "30,31,32,33, Quad",
              "normal   0  I=0.1000000015 J=-1.0000000000 k=0.0000000000",
              "Float   0  f0=0.0000000000 f1=0.5000000000 f2=1.0000000000 f3=1.5000000000 "
              "f4=2.0000000000 f5=2.5000000000",
              "Face 1 = 100,101,102,-1, Triangle,F a 1 = 110,111,112,113, Quad,F b 1 = 120,121,122,123, "
              "Quad,F c 1 = 130,131,132,133, Quad",
              "normal   1  I=0.1000000015 J=-1.0000000000 k=0.0000000000",
              "Float   1  f0=0.0000000000 f1=0.5000000000 f2=1.0000000000 f3=1.5000000000 "
              "f4=2.0000000000 f5=2.5000000000",
              "Textures =Tex00001", "Textures =Tex00002", "-----------"}));
}

TEST(FaceData, EachGroupJudgedByItsOwnFlag) {
    auto store = EmptyStore();
    FaceDataRecord& r = store->ttfd[0];
    r.Type = 1;
    r.Count = 1;
    SetFace(r, 0, 0, true, false);
    const Text lines = Lines(store->ttfd);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1],
              "Face 0 = 0,1,2,3, Quad,F a 0 = 10,11,12,-1, Triangle,F b 0 = 20,21,22,23, Quad,F c 0 = "
              "30,31,32,33, Quad");
}

TEST(FaceData, CountsPastCapacityAndNegativeCounts) {
    auto store = EmptyStore();
    FaceDataRecord& r = store->ttfd[199];
    r.Type = 1;
    r.Count = 51;
    Text lines = Lines(store->ttfd);
    ASSERT_EQ(lines.size(), 2u + 3u * kMaxFaces);
    EXPECT_EQ(lines[0], "Face_Data  199 Mesh 9999 Offset 0 NUM Faces = 51 Edges = 0");
    EXPECT_EQ(lines[lines.size() - 4],
              "Face 49 = 1234,1234,1234,1234, Quad,F a 49 = 1234,1234,1234,1234, Quad,F b 49 = "
              "1234,1234,1234,1234, Quad,F c 49 = 1234,1234,1234,1234, Quad");
    r.Count = -2;
    lines = Lines(store->ttfd);
    EXPECT_EQ(lines, (Text{"Face_Data  199 Mesh 9999 Offset 0 NUM Faces = -2 Edges = 0", "-----------"}));
}

TEST(ShowFaceInfo, EmptiesMemoAndNamesTheSelectedBlock) {
    auto store = EmptyStore();
    SelectionState sel;
    sel.SelectedFaceData = 5;
    FaceDataRecord& r = store->ttfd[5];
    r.Mesh = 3;
    r.Count = 4;
    VectorSink memo;
    memo.AddLine("old text");
    // No face slot holds a face yet: the mesh shows as 0.
    ShowFaceInfo(store->ttfd, sel, memo);
    EXPECT_EQ(memo.lines, (Text{"Faces (for Header) ********", "Mesh =0 Header =5 Num Faces =4"}));

    r.Vertex(0)[49] = 7;
    ShowFaceInfo(store->ttfd, sel, memo);
    EXPECT_EQ(memo.lines, (Text{"Faces (for Header) ********", "Mesh =3 Header =5 Num Faces =4"}));

    sel.SelectedFaceData = 200;  // outside the table: shown as an empty entry
    ShowFaceInfo(store->ttfd, sel, memo);
    EXPECT_EQ(memo.lines, (Text{"Faces (for Header) ********", "Mesh =0 Header =200 Num Faces =0"}));
}

}  // namespace
}  // namespace opt
