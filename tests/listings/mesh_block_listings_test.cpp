// Listings of descriptors, rotation/scale blocks, hardpoints and texture names.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "listings/listings.h"
#include "listings/registry.h"

namespace opt {
namespace {

using testing::EmptyStore;
using testing::Lines;
using Text = std::vector<std::string>;

void SetXyz(float (&v)[3], float x, float y, float z) {
    v[0] = x;
    v[1] = y;
    v[2] = z;
}

TEST(CollisionBox, DescriptorLines) {
    auto store = EmptyStore();
    DescriptorRecord& d = store->tcb[4];
    d.Type = 25;
    d.Mesh = 4;
    d.Data_Offset = 777;
    d.Mesh_Type = 25;
    d.N2 = -1;
    SetXyz(d.HZ_Span, 1.5f, -2.0f, 0.0f);
    SetXyz(d.HZ_Centre, 10.0f, 20.0f, 30.0f);
    SetXyz(d.HZ_Min, -1.0f, -2.0f, -3.0f);
    // 0.005f and 0.015f are stored just below the halfway point: they round down.
    SetXyz(d.HZ_Max, 123456.0f, 0.005f, 0.015f);
    d.Group_ID = 3;
    SetXyz(d.Target, 0.25f, 0.5f, 0.75f);
    store->tcb[5].Mesh_Type = 3;  // Type 0: skipped
    EXPECT_EQ(Lines(store->tcb),
              (Text{"MDB (025) 4 Mesh 4 Offset 777", "Mesh Type= ROTCOMMANDBEAM 25 N2= -1",
                    "     X=       1.50      Y=      -2.00      Z=       0.00",
                    "     X=      10.00      Y=      20.00      Z=      30.00",
                    "     X=      -1.00      Y=      -2.00      Z=      -3.00",
                    "     X=  123456.00      Y=       0.00      Z=       0.01", "Group ID= 3",
                    "     X=       0.25      Y=       0.50      Z=       0.75", "-------"}));
}

TEST(CollisionBox, MeshTypeNames) {
    EXPECT_EQ(MeshTypeName(0), "DEFAULT");
    EXPECT_EQ(MeshTypeName(14), "DOCKINGPLAT");
    EXPECT_EQ(MeshTypeName(31), "CUSTOM6");
    EXPECT_EQ(MeshTypeName(32), "");
    EXPECT_EQ(MeshTypeName(-1), "");
    auto store = EmptyStore();
    store->tcb[0].Type = 25;
    store->tcb[0].Mesh_Type = 40;
    EXPECT_EQ(Lines(store->tcb)[1], "Mesh Type=  40 N2= 0");
}

TEST(RotationPoint, FourLinesOfThreeFloats) {
    auto store = EmptyStore();
    RotScaleRecord& r = store->trsh[0];
    r.Type = 23;
    r.Mesh = 1;
    r.Data_Offset = 64;
    r.Count = 12;
    for (int k = 0; k < 12; ++k) r.Float(k) = static_cast<float>(k) - 0.5f;
    EXPECT_EQ(Lines(store->trsh), (Text{"RSH (023) 0 Mesh 1 Offset 64 NUM 12",
                                        "     F=      -0.50      F=       0.50      F=       1.50",
                                        "     F=       2.50      F=       3.50      F=       4.50",
                                        "     F=       5.50      F=       6.50      F=       7.50",
                                        "     F=       8.50      F=       9.50      F=      10.50"}));
}

TEST(HardPoint, OneLineEachNoSpaceAfterTag) {
    auto store = EmptyStore();
    HardpointRecord& h = store->ttbh[22];
    h.Type = 22;
    h.Mesh = 3;
    h.Data_Offset = 0;
    h.HP_Type = 7;
    h.X = 1.5f;
    h.Y = -2.0f;
    h.Z = 0.0f;
    store->ttbh[99].Type = 22;
    EXPECT_EQ(
        Lines(store->ttbh),
        (Text{"TBH (022)22 Mesh 3 Offset 0 HP_Type 7     X=       1.50      Y=      -2.00      Z=       0.00",
              "TBH (022)99 Mesh 0 Offset 0 HP_Type 0     X=    1234.00      Y=    1234.00      Z=    "
              "1234.00"}));
}

TEST(ListTextures, UniqueNamesWithTheirFirstRecord) {
    auto store = EmptyStore();
    EXPECT_TRUE(Lines(store->ttx).empty());
    store->ttx.Unique_Names[0] = "Tex00010";
    store->ttx.Texture_Index[0] = 0;
    store->ttx.Unique_Names[1] = "Tex00011";  // index 1234: an empty entry
    store->ttx.Unique_Names[149] = "Tex00012";
    store->ttx.Texture_Index[149] = 17;
    EXPECT_EQ(Lines(store->ttx), (Text{"Tex00010 index =0", "Tex00012 index =17"}));
}

TEST(Listings, DecimalSeparatorReachesListings) {
    auto store = EmptyStore();
    store->Decimal_Separator = ',';
    store->ttbh[0].Type = 22;
    store->ttbh[0].X = 0.5f;
    VectorSink sink;
    FindListing("hardpoint")->run(*store, sink);
    EXPECT_EQ(
        sink.lines,
        (Text{
            "TBH (022)0 Mesh 0 Offset 0 HP_Type 0     X=       0,50      Y=    1234,00      Z=    1234,00"}));
}

}  // namespace
}  // namespace opt
