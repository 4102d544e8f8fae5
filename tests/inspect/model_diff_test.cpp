// Comparing two models: fields matched by table position, records only one side has, texture pixels,
// and the lines the diff prints.
#include "inspect/model_diff.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/reader.h"
#include "tests/support/opt_builder.h"
#include "tests/support/sample_models.h"

namespace {

class ModelDiffTest : public ::testing::Test {
protected:
    ModelDiffTest() : built(optb::build(optb::demo_model())), bytesB(built.bytes) {
        Load(*a, built.bytes);
        Load(*b, built.bytes);
    }
    static void Load(opt::ModelStore& s, std::span<const uint8_t> bytes) { opt::LoadBytes(s, bytes); }
    opt::ModelDiff Diff() const { return opt::DiffModels(*a, built.bytes, *b, bytesB); }

    optb::Built built;
    std::vector<uint8_t> bytesB;
    std::unique_ptr<opt::ModelStore> a = std::make_unique<opt::ModelStore>();
    std::unique_ptr<opt::ModelStore> b = std::make_unique<opt::ModelStore>();
};

TEST_F(ModelDiffTest, SameModelHasNoDifferences) {
    const auto diff = Diff();
    EXPECT_TRUE(diff.Empty());
    EXPECT_TRUE(opt::DiffLines(diff).empty());
}

TEST_F(ModelDiffTest, ChangedFieldIsReportedAloneWithBothPositions) {
    b->ttbh[3].X = 2.0f;
    b->ttbh[3].Data_Offset += 8;  // as if B held the block elsewhere
    const auto diff = Diff();
    ASSERT_EQ(diff.Records.size(), 1u);
    const auto& r = diff.Records[0];
    EXPECT_EQ(r.Table, "hardpoint");
    EXPECT_EQ(r.Index, 3);
    EXPECT_EQ(r.PositionA, a->ttbh[3].Data_Offset);
    EXPECT_EQ(r.PositionB, a->ttbh[3].Data_Offset + 8);
    ASSERT_EQ(r.Fields.size(), 1u);
    const std::string pos = std::to_string(a->ttbh[3].Data_Offset);
    EXPECT_EQ(opt::DiffLines(diff),
              std::vector<std::string>{"hardpoint 3 x: -110.00 -> 2.00 (A " + pos + ", B " +
                                       std::to_string(a->ttbh[3].Data_Offset + 8) + ")"});
}

TEST(ModelDiffText, RealsThatPrintAlikeWithTwoDecimalsGetNineDigits) {
    using Texts = std::pair<std::string, std::string>;
    EXPECT_EQ(opt::ChangeTexts({"y", opt::FieldValue{1.0}, opt::FieldValue{1.001}}), (Texts{"1", "1.001"}));
    EXPECT_EQ(opt::ChangeTexts({"y", opt::FieldValue{1.0}, opt::FieldValue{2.5}}), (Texts{"1.00", "2.50"}));
    EXPECT_EQ(opt::ChangeTexts({"name", opt::FieldValue{std::string("Hull")}, std::nullopt}),
              (Texts{"Hull", "(none)"}));
}

TEST_F(ModelDiffTest, RecordsOnlyOneSideHasAndLevelsOnlyOneSetHas) {
    b->ttbh[5].Clear();
    b->ttmdh[0].Num_Jumps = 3;
    b->ttmdh[0].Distance[2] = 50.0f;
    const auto lines = opt::DiffLines(Diff());
    const std::string lod = " (A " + std::to_string(a->ttmdh[0].Data_Offset) + ", B " +
                            std::to_string(a->ttmdh[0].Data_Offset) + ")";
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "hardpoint 5 only in A (A " + std::to_string(a->ttbh[5].Data_Offset) + ")",
                         "lod-set 0 levels: 2 -> 3" + lod, "lod-set 0 distance_2: (none) -> 50.00" + lod}));
}

TEST_F(ModelDiffTest, ElementBlocksCountTheirChangedElements) {
    b->tvx[2].Y[1] += 1.0f;
    b->tvx[2].Z[3] += 1.0f;
    b->ttfd[0].Vertex(2)[0] += 1;
    b->ttvn[1].Count -= 1;  // one normal fewer in B
    const auto lines = opt::DiffLines(Diff());
    auto positions = [](int64_t p) { return " (A " + std::to_string(p) + ", B " + std::to_string(p) + ")"; };
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "vertex-block 2 vertices: 2 changed" + positions(a->tvx[2].Data_Offset),
                         "normal-block 1 normals: 1 changed" + positions(a->ttvn[1].Data_Offset),
                         "face-data 0 faces: 1 changed" + positions(a->ttfd[0].Data_Offset)}));
}

TEST_F(ModelDiffTest, TexturePixelsAreCountedPerTexture) {
    const auto& texture = built.layout.nth(optb::Kind::Texture, 1);
    for (int k = 0; k < 3; ++k) bytesB[static_cast<size_t>(texture.data_pos + k)] ^= 0xFF;
    const auto diff = Diff();
    ASSERT_EQ(diff.Records.size(), 1u);
    EXPECT_EQ(diff.Records[0].Table, "texture");
    EXPECT_EQ(diff.Records[0].Index, 1);
    EXPECT_TRUE(diff.Records[0].Fields.empty());
    EXPECT_EQ(diff.Records[0].Elements, "pixels");
    EXPECT_EQ(diff.Records[0].ChangedElements, 3);
}

// A colour of a palette level is named after the texture that owns the palette; bytes that no
// compared record reads (the palette block's first 4096) are counted, not dropped.
TEST_F(ModelDiffTest, PaletteColoursAndBytesOutsideTheRecordsAreReported) {
    const opt::TextureRecord& hull = a->ttx.Textures[0];
    ASSERT_EQ(opt::TextureName(hull), "Hull");
    const int64_t level7 =
        int64_t{hull.Palette_Offset} + opt::kPaletteBlockSkip + 7 * 2 * opt::kPaletteEntries;
    bytesB[static_cast<size_t>(level7 + 2 * 10 + 1)] ^= 0x01;
    bytesB[static_cast<size_t>(hull.Palette_Offset + 9)] ^= 0x01;
    bytesB[static_cast<size_t>(hull.Palette_Offset + 5)] ^= 0x01;
    Load(*b, bytesB);
    const auto diff = Diff();
    EXPECT_FALSE(diff.Empty());
    const std::string at = std::to_string(level7);
    EXPECT_EQ(opt::DiffLines(diff),
              (std::vector<std::string>{
                  "palette Hull, level 7 colours: 1 changed (A " + at + ", B " + at + ")",
                  "2 other bytes differ, the first at position " + std::to_string(hull.Palette_Offset + 5)}));
}

}  // namespace
