// What `info` says of a model: meshes are the top-level entries read as meshes, each face list counts
// at its own position in its LOD set (also past the view's four levels), warnings count once each.
#include "inspect/model_summary.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/reader.h"
#include "tests/support/sample_models.h"

namespace {

TEST(ModelSummary, CountsMeshesNotTexturesAndEveryLevelOfALodSet) {
    auto store = std::make_unique<opt::ModelStore>();
    opt::LoadBytes(*store, optb::build(optb::five_level_model()).bytes);
    const opt::ModelRecords records = opt::DescribeModel(*store);
    const opt::Record* mesh = nullptr;
    for (const opt::Record& r : records.Records) {
        ASSERT_FALSE(r.Table == "mesh" && mesh != nullptr) << "one mesh only: entry 0 is a texture";
        if (r.Table == "mesh") mesh = &r;
    }
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->Index, 1);
    EXPECT_EQ(mesh->Find("levels")->Value, opt::FieldValue{int64_t{optb::kFiveLevels}});
    // Face list j holds j + 1 triangles: the fourth and fifth are not added together.
    EXPECT_EQ(mesh->Find("faces_lod3")->Value, opt::FieldValue{int64_t{4}});
    EXPECT_EQ(mesh->Find("faces_lod4")->Value, opt::FieldValue{int64_t{5}});

    const auto lines = opt::SummaryLines(*store, records, store->Warnings);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Meshes: 1");
    EXPECT_EQ(lines[1], "Faces per level: level 0: 1, level 1: 2, level 2: 3, level 3: 4, level 4: 5");
    EXPECT_EQ(lines[4], "Size: unknown (no mesh descriptor gives a hit zone)");
    EXPECT_EQ(lines[5], "Warnings: 1");  // the top-level texture's two lines
}

}  // namespace
