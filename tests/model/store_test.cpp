// The store's unset values, the hit-zone reset and the block test.
#include "model/store.h"

#include <gtest/gtest.h>

#include <memory>

namespace opt {
namespace {

TEST(StoreTest, ClearWritesTheUnsetMarkersOfEveryTable) {
    auto s = std::make_unique<ModelStore>();
    s->tvx[3].X[999] = 1;
    s->tvx[3].Type = 3;
    s->ttfd[7].Indices[15][49] = 5;
    s->ttfd[7].Quad[2][0] = 0;
    s->ttfd[7].Tex_Names[6] = "X";
    s->ttx.Textures[1].Name[0] = 'A';
    s->ttx.Texture_Index[4] = 2;
    s->ttmdh[99].Distance[29] = 5;
    s->ttbh[99].Z = 0;
    s->txw.Meshes[49].Jumps[19] = 8;
    s->ClearTables();
    EXPECT_EQ(s->tvx[3].X[999], kUnsetReal);
    EXPECT_EQ(s->tvx[3].Type, 0);
    EXPECT_EQ(s->ttfd[7].Indices[15][49], kUnsetIndex);
    EXPECT_EQ(s->ttfd[7].Quad[2][0], 1);
    EXPECT_EQ(s->ttfd[7].Mesh, kUnsetFaceMesh);
    EXPECT_TRUE(s->ttfd[7].Tex_Names[6].empty());
    EXPECT_EQ(s->ttx.Textures[1].Name, UnsetName());
    EXPECT_EQ(s->ttx.Texture_Index[4], kUnsetIndex);
    EXPECT_EQ(s->ttmdh[99].Distance[29], kUnsetReal);
    EXPECT_EQ(s->ttbh[99].Z, kUnsetReal);
    EXPECT_EQ(s->ttbh[99].HP_Type, 0);
    EXPECT_EQ(s->txw.Meshes[49].Jumps[19], 0);
    EXPECT_EQ(s->ttvn[0].Mesh, 0);
    EXPECT_EQ(s->ttvx[49].V[999], kUnsetReal);
}

TEST(StoreTest, ResetKeepsThePalettesAndResetsTheModelValues) {
    auto s = std::make_unique<ModelStore>();
    s->Palettes[127][2][255] = 9;
    s->Palette_Slots[7] = 5;
    s->Dist_2 = 3;
    s->Top_Textures = 1;
    s->Counters[kCountDescriptors] = 4;
    s->ResetModelValues();
    EXPECT_EQ(s->Palettes[127][2][255], 9);
    EXPECT_EQ(s->Palette_Slots[7], 0);
    EXPECT_EQ(s->Dist_2, kUnsetReal);
    EXPECT_EQ(s->Top_Textures, 0);
    EXPECT_EQ(s->Counters[kCountDescriptors], 0);
}

TEST(StoreTest, ZeroHitZonesTouchesOnlyMinAndMaxOfAllRecords) {
    auto s = std::make_unique<ModelStore>();
    for (int r : {0, 49}) {
        s->tcb[r].HZ_Min[0] = 1;
        s->tcb[r].HZ_Max[2] = 2;
        s->tcb[r].HZ_Centre[1] = 3;
        s->tcb[r].Target[0] = 4;
    }
    s->tcb.ZeroHitZones();
    for (int r : {0, 49}) {
        EXPECT_EQ(s->tcb[r].HZ_Min[0], 0.f);
        EXPECT_EQ(s->tcb[r].HZ_Max[2], 0.f);
        EXPECT_EQ(s->tcb[r].HZ_Centre[1], 3.f);
        EXPECT_EQ(s->tcb[r].Target[0], 4.f);
    }
}

TEST(StoreTest, IsBlockLooksAtTheTypeWordOnly) {
    TXW txw;
    txw.Peek[0] = 20;
    txw.Peek[1] = 3;
    txw.Peek[2] = 20;
    EXPECT_TRUE(txw.IsBlock(3));
    EXPECT_FALSE(txw.IsBlock(20));
}

TEST(StoreTest, NamesStopAtNulAndCompareWithoutTrailingBlanks) {
    TextureRecord t;
    t.Name = {'A', 'B', '\0', 'C', 'D', 'E', 'F', 'G', 'H'};
    EXPECT_EQ(TextureName(t), "AB");
    t.Name = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(TextureName(t), "12345678");
    TextureRefRecord r;
    r.Name = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(ReferenceName(r), "123456789");
    EXPECT_EQ(TrimName(std::string("ab \t\x01", 5)), "ab");
    EXPECT_EQ(TrimName(" a"), " a");
}

TEST(StoreTest, RotScaleFloatsRunInFileOrder) {
    RotScaleRecord r;
    for (int k = 0; k < 12; ++k) r.Float(k) = float(k);
    EXPECT_EQ(r.Centre[2], 2.f);
    EXPECT_EQ(r.Scale_1[0], 3.f);
    EXPECT_EQ(r.Scale_2[1], 7.f);
    EXPECT_EQ(r.Scale_3[2], 11.f);
}

}  // namespace
}  // namespace opt
