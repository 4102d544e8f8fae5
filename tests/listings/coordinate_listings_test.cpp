// Listings of vertices, texture vertices and normals, and the memo text of the selected vertex.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "listings/listings.h"
#include "state/selection_state.h"

namespace opt {
namespace {

using testing::EmptyStore;
using testing::Lines;
using Text = std::vector<std::string>;

TEST(VertexListing, SkipsUnsetElementsAndEmptyBlocks) {
    auto store = EmptyStore();
    VertexRecord& b = store->tvx[1];
    b.Type = 3;
    b.Mesh = 1;
    b.Data_Offset = 2000;
    b.Count = 3;
    b.X[0] = 0.0f, b.Y[0] = 0.0f, b.Z[0] = 0.0f;
    b.X[1] = 1234.0f, b.Y[1] = 5.0f, b.Z[1] = 6.0f;  // counted, but X unset: left out
    b.X[5] = 1.5f, b.Y[5] = -20.25f, b.Z[5] = 300.0f;
    b.X[999] = 0.1f;
    store->tvx[2].X[0] = 1.0f;  // Type 0: skipped
    EXPECT_EQ(Lines(store->tvx),
              (Text{"VX (03) 1 Mesh 1 Offset 2000 NUM VX = 3", "Vx#          X          Y          Z",
                    "  0       0.00       0.00       0.00", "  5       1.50     -20.25     300.00",
                    "999       0.10    1234.00    1234.00"}));
}

TEST(VertexListing, NormalsAndTextureVertices) {
    auto store = EmptyStore();
    NormalRecord& n = store->ttvn[0];
    n.Type = 11;
    n.Mesh = 2;
    n.Data_Offset = 10;
    n.Count = 1;
    n.X[0] = 0.0f, n.Y[0] = 1.0f, n.Z[0] = -1.0f;
    EXPECT_EQ(Lines(store->ttvn),
              (Text{"VXN (11) 0 Mesh 2 Offset 10 NUM VX = 1", "Vx#          I          J          K",
                    "  0       0.00       1.00      -1.00"}));
    TexVertexRecord& t = store->ttvx[49];
    t.Type = 13;
    t.Count = 2;
    t.U[0] = 0.25f, t.V[0] = 0.75f;
    t.U[1] = 1234.0f, t.V[1] = 0.5f;
    t.U[1000 - 1] = -1000.0f;
    EXPECT_EQ(Lines(store->ttvx),
              (Text{"TVX (13) 49 Mesh 0 Offset 0 NUM VX = 2", "Vx#          u           v",
                    "  0       0.25       0.75", "999   -1000.00    1234.00"}));
}

TEST(ShowVertexInfo, SelectedVertexOrEmptySlot) {
    auto store = EmptyStore();
    store->tvx[2].X[7] = 1.5f;
    store->tvx[2].Y[7] = -2.0f;
    store->tvx[2].Z[7] = 0.0f;
    SelectionState sel;
    sel.SelectedMesh = 2;
    sel.SelectedVertex = 7;
    VectorSink memo;
    memo.AddLine("old");
    ShowVertexInfo(store->tvx, sel, memo);
    EXPECT_EQ(memo.lines, (Text{"Vertex ********", "Mesh =2 Vx Num =7",
                                "     X=       1.50      Y=      -2.00      Z=       0.00"}));
    const Text empty{"Vertex ********", "Mesh =2 Vx Num =8",
                     "     X=    1234.00      Y=    1234.00      Z=    1234.00"};
    sel.SelectedVertex = 8;
    ShowVertexInfo(store->tvx, sel, memo);
    EXPECT_EQ(memo.lines, empty);
    sel.SelectedMesh = 50;  // outside the table
    sel.SelectedVertex = 1000;
    ShowVertexInfo(store->tvx, sel, memo);
    EXPECT_EQ(memo.lines[1], "Mesh =50 Vx Num =1000");
    EXPECT_EQ(memo.lines[2], empty[2]);
}

}  // namespace
}  // namespace opt
