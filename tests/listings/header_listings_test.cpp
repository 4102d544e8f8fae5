// Listings of the file header, nodes, LOD sets and face lists.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "listings/listings.h"

namespace opt {
namespace {

using testing::EmptyStore;
using testing::Lines;
using Text = std::vector<std::string>;

TEST(MainFileInfo, HeaderJumpsAndMeshChildren) {
    auto store = EmptyStore();
    TXW& txw = store->txw;
    EXPECT_EQ(Lines(txw), Text{"Main_Offset=0 Num_Jumps=0 Jump List Offset=0"});

    txw.Main_Offset = 0xFF0000;
    txw.Num_Jumps = 2;
    txw.Jump_List_Offset = 22;
    txw.Jumps[0] = 30;
    txw.Jumps[1] = -5;
    txw.Meshes[3].Num_Jumps = 2;
    txw.Meshes[3].Count = 7;
    txw.Meshes[3].Jumps[0] = 100;
    txw.Meshes[3].Jumps[1] = 200;
    txw.Meshes[4].Count = 9;  // Num_Jumps 0: skipped whatever else it holds
    txw.Meshes[4].Jumps[0] = 300;
    EXPECT_EQ(Lines(txw),
              (Text{"Main_Offset=16711680 Num_Jumps=2 Jump List Offset=22", "Offset 0  =30", "Offset 1  =-5",
                    "extra long 7", "MMH Jumps 3  =100", "extra long 7", "MMH Jumps 3  =200"}));
}

TEST(MainFileInfo, CountsPastCapacityStopAtTheArrays) {
    auto store = EmptyStore();
    TXW& txw = store->txw;
    txw.Num_Jumps = 1000;
    txw.Meshes[49].Num_Jumps = 25;
    txw.Meshes[0].Num_Jumps = -3;  // negative: the record is listed as having no children
    const Text lines = Lines(txw);
    ASSERT_EQ(lines.size(), 1u + kMaxTopLevel + 2u * kMaxMeshChildren);
    EXPECT_EQ(lines[0], "Main_Offset=0 Num_Jumps=1000 Jump List Offset=0");
    EXPECT_EQ(lines[kMaxTopLevel], "Offset 49  =0");
    EXPECT_EQ(lines.back(), "MMH Jumps 49  =0");
}

TEST(MeshInfo, NodeEntriesByNumJumps) {
    auto store = EmptyStore();
    NodeRecord& n = store->ttmih[2];
    n.Lead = 11;
    n.Type = 0;
    n.Num_Jumps = 2;
    n.Jump_List_Offset = 500;
    n.Count = 3;
    n.Data_Offset = -1;
    n.Mesh = 4;
    n.Jumps[0] = 1234567;
    n.Jumps[1] = 12345678;
    store->ttmih[3].Type = 5;  // Num_Jumps decides, not Type
    EXPECT_EQ(Lines(store->ttmih),
              (Text{"MIH (004) 2 Mesh 4 Offset 500 NUM  = 2 RV  = -1 NUM?  = 3", "pad 0 = 11 pad 1 = 0",
                    "Jump   0    1234567 ", "Jump   1   12345678 "}));

    n.Num_Jumps = 21;  // past the 20 children: stops at the last one
    const Text lines = Lines(store->ttmih);
    ASSERT_EQ(lines.size(), 2u + kMaxNodeChildren);
    EXPECT_EQ(lines.back(), "Jump  19          0 ");
}

TEST(MeshDataHeader, LodSetsWithDistancesThenJumps) {
    auto store = EmptyStore();
    LodSetRecord& r = store->ttmdh[1];
    r.Type = 21;
    r.Mesh = 6;
    r.Jump_List_Offset = 300;
    r.Data_Offset = 340;
    r.Count = 2;
    r.Num_Jumps = 2;
    r.Distance[0] = 0.1f;
    r.Distance[1] = 0.0f;
    r.Jumps[0] = 400;
    r.Jumps[1] = 0;
    store->ttmdh[50].Type = 21;  // entries 50..99 are never listed
    store->ttmdh[99].Type = 21;
    store->ttmdh[2].Num_Jumps = 4;  // Type 0: skipped
    EXPECT_EQ(Lines(store->ttmdh),
              (Text{"MDH (021) 1 Mesh 6 Offset to MFH 300 Offset to Float 340 NUM  = 2 Num?= 2",
                    "Distance   0 0.1000000015 ", "Distance   1 0.0000000000 ", "Jump   0        400 ",
                    "Jump   1          0 "}));

    r.Num_Jumps = 31;
    const Text lines = Lines(store->ttmdh);
    ASSERT_EQ(lines.size(), 1u + 2u * kMaxLods);
    EXPECT_EQ(lines[kMaxLods], "Distance  29 1234.0000000000 ");
    r.Num_Jumps = -1;
    EXPECT_EQ(Lines(store->ttmdh).size(), 1u);
}

TEST(MeshFaceHeader, JumpsThenChildTypes) {
    auto store = EmptyStore();
    FaceListRecord& r = store->ttmfh[0];
    r.Num_Jumps = 2;
    r.Mesh = 1;
    r.Jump_List_Offset = 0;
    r.Data_Offset = 8;
    r.Count = 2;
    r.Jumps[0] = 1000;
    r.Jumps[1] = 2000;
    r.Child_Type[0] = 20;
    r.Child_Type[1] = 1;
    store->ttmfh[1].Type = 1;  // Num_Jumps 0: skipped
    EXPECT_EQ(Lines(store->ttmfh),
              (Text{"MFaceH  0 Mesh 1 Offset 0 NUM  = 2 RV= 8 NUm?= 2", "Jump   0 =      1000 ",
                    "Jump   1 =      2000 ", "BLock Type @ Jumps,   0  =        20 ",
                    "BLock Type @ Jumps,   1  =         1 "}));
}

TEST(Listings, ListingTwiceWritesTwice) {
    auto store = EmptyStore();
    store->ttmfh[7].Num_Jumps = 1;
    VectorSink sink;
    sink.AddLine("already there");
    List(store->ttmfh, sink);
    List(store->ttmfh, sink);
    ASSERT_EQ(sink.lines.size(), 7u);
    EXPECT_EQ(sink.lines[0], "already there");
    EXPECT_EQ(Text(sink.lines.begin() + 1, sink.lines.begin() + 4),
              Text(sink.lines.begin() + 4, sink.lines.end()));
}

}  // namespace
}  // namespace opt
