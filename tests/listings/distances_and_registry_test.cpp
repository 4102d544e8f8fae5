// The LOD distance table and the table of listings by name.
#include <gtest/gtest.h>

#include <set>

#include "listing_test_support.h"
#include "listings/listings.h"
#include "listings/registry.h"

namespace opt {
namespace {

using testing::EmptyStore;
using Text = std::vector<std::string>;

const Text kDistanceHead{"Dist \"0\" is HI res model ", "If closer to Dist, switches to next Hi res ",
                         "Lowest Res should always be \"0\"", " "};

TEST(ListDistances, FixedLinesThenEachLodSet) {
    auto store = EmptyStore();
    VectorSink memo;
    ListDistances(store->ttmdh, memo);
    EXPECT_EQ(memo.lines, kDistanceHead);

    LodSetRecord& r = store->ttmdh[3];
    r.Type = 21;
    r.Mesh = 9;  // the entry number is shown, not the mesh
    r.Num_Jumps = 2;
    r.Distance[0] = 0.1f;
    r.Distance[1] = 0.0f;
    store->ttmdh[60].Type = 21;  // beyond the 50 shown entries
    memo.lines.clear();
    memo.AddLine("kept");
    ListDistances(store->ttmdh, memo);
    Text expected{"kept"};
    expected.insert(expected.end(), kDistanceHead.begin(), kDistanceHead.end());
    // 0.1f * 100000 in single precision is 10000.0 exactly (in double it would be 10000.0001490116).
    expected.insert(expected.end(), {"Mesh= 3", "Distance  0   0.1000000015  HUD Dist = 10000.00",
                                     "Distance  1   0.0000000000  HUD Dist =   0.00", " "});
    EXPECT_EQ(memo.lines, expected);
}

TEST(ListDistances, HudProductTakenInSinglePrecision) {
    auto store = EmptyStore();
    LodSetRecord& r = store->ttmdh[0];
    r.Type = 21;
    r.Num_Jumps = 1;
    // Times 100000 this is 65536.05 in single precision, but 65536.0579... (65536.06) in double.
    r.Distance[0] = 0x1.4f8b6cp-1f;
    VectorSink memo;
    ListDistances(store->ttmdh, memo);
    ASSERT_EQ(memo.lines.size(), 7u);
    EXPECT_EQ(memo.lines[5], "Distance  0   0.6553605795  HUD Dist = 65536.05");
}

TEST(Registry, NamesInMenuOrderAndEachRunsItsListing) {
    const Text names{"main-file-info", "mesh-info",      "mesh-data-header", "mesh-face-header",
                     "face-data",      "collision-box",  "rotation-point",   "hardpoint",
                     "vertex",         "texture-vertex", "vertex-normal",    "textures",
                     "distances"};
    Text got;
    for (const ListingEntry& e : Listings()) got.emplace_back(e.name);
    EXPECT_EQ(got, names);
    EXPECT_EQ(FindListing("collision-box")->caption, "Collision box ");
    EXPECT_EQ(FindListing("nope"), nullptr);

    // One block of each kind; every listing writes its own first line.
    auto store = EmptyStore();
    store->ttmih[0].Num_Jumps = 1;
    store->ttmdh[0].Type = 21;
    store->ttmfh[0].Num_Jumps = 1;
    store->ttfd[0].Type = 1;
    store->tcb[0].Type = 25;
    store->trsh[0].Type = 23;
    store->ttbh[0].Type = 22;
    store->tvx[0].Type = 3;
    store->ttvx[0].Type = 13;
    store->ttvn[0].Type = 11;
    store->ttx.Unique_Names[0] = "T";
    store->ttx.Texture_Index[0] = 0;
    std::set<std::string> firsts;
    for (const ListingEntry& e : Listings()) {
        VectorSink sink;
        e.run(*store, sink);
        ASSERT_FALSE(sink.lines.empty()) << e.name;
        firsts.insert(sink.lines[0]);
    }
    EXPECT_EQ(firsts.size(), names.size());
    VectorSink vx;
    FindListing("vertex")->run(*store, vx);
    EXPECT_EQ(vx.lines.front(), "VX (03) 0 Mesh 0 Offset 0 NUM VX = 0");
    VectorSink dist;
    FindListing("distances")->run(*store, dist);
    EXPECT_EQ(dist.lines.front(), kDistanceHead.front());
}

}  // namespace
}  // namespace opt
