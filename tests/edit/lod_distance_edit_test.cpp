// The distance the LOD editor offers to change: the reader's summary where it met a set of that many
// levels, else the first LOD set's own distance, never the reader's unset mark.
#include "edit/core/lod_distance_edit.h"

#include "model_file_fixture.h"

namespace edit_test {
namespace {

class LodDistanceOnFile : public ModelFileFixture {
protected:
    void SetUp() override { Open(TwoMeshModel()); }
};

TEST_F(LodDistanceOnFile, TheSummaryWhereSetElseTheFirstSetsDistanceElseNothing) {
    // Set 0 holds 1000 and 2000, set 1 holds 3000: the one-level set decides Dist_1, the two-level
    // set Dist_2.
    EXPECT_EQ(opt::LodDistanceOnFile(*store, 0), 3000.0f);
    EXPECT_EQ(opt::LodDistanceOnFile(*store, 1), 2000.0f);
    // No one-level set met: the first set's distance 0 as the file holds it, not the mark.
    store->Dist_1 = opt::kUnsetReal;
    EXPECT_EQ(opt::LodDistanceOnFile(*store, 0), 1000.0f);
    // No set has a third distance, and no fourth is offered.
    EXPECT_EQ(opt::LodDistanceOnFile(*store, 2), std::nullopt);
    EXPECT_EQ(opt::LodDistanceOnFile(*store, 3), std::nullopt);
}

}  // namespace
}  // namespace edit_test
