// Edits as values: each field edit lands in its own bytes of its own record, a bad index or value is
// refused with the command line's message, records of one block take an edit together, and every
// applied edit is journaled under the id it reports and leaves the model as a fresh load of the file.
#include "edit/core/edits.h"

#include "edit/core/journal_history.h"
#include "listings/registry.h"
#include "model_file_fixture.h"

namespace edit_test {
namespace {

constexpr int64_t kTargetX = 84, kN2 = 28;

class Edits : public ModelFileFixture {
protected:
    void SetUp() override { Open(TwoMeshModel()); }
    opt::EditTarget Target() { return {file.string(), journal, true, &warnings}; }
    std::string Refusal(const opt::Edit& edit) {
        try {
            opt::PlanEdit(*store, edit, Target());
        } catch (const opt::OptError& e) {
            return e.what();
        }
        ADD_FAILURE() << "not refused";
        return "";
    }
    // Every listing of a model, line by line.
    static std::vector<std::string> Listed(const opt::ModelStore& model) {
        opt::VectorSink out;
        for (const auto& entry : opt::Listings()) entry.run(model, out);
        return out.lines;
    }

    std::string journal = (dir.path() / "journal.jsonl").string();
    opt::VectorSink warnings;
};

TEST_F(Edits, AFieldEditChangesOnlyThatFieldOfThatRecord) {
    const struct {
        opt::Edit edit;
        int64_t field;
    } cases[] = {
        {opt::HardpointFieldEdit{1, opt::HardpointField::Y, 7.5f}, Data("hp1") + 8},
        {opt::HardpointFieldEdit{0, opt::HardpointField::Type, 0, 3}, Data("hp0")},
        {opt::DescriptorFieldEdit{1, opt::DescriptorField::TargetZ, 2.5f}, Block("d1") + kTargetX + 8},
        {opt::DescriptorFieldEdit{0, opt::DescriptorField::Unknown, 0, 11}, Block("d0") + kN2},
        {opt::RotScaleFloatEdit{1, 7, -1}, Data("rs1") + 28},
        {opt::LodDistanceEdit{1, 50}, Data("lod0") + 4},  // the one-level set has no distance 1
    };
    for (const auto& c : cases) {
        const auto before = Disk();
        const opt::AppliedEdit applied = opt::ApplyEdit(*store, c.edit, Target());
        EXPECT_EQ(applied.Runs.size(), 1u) << c.field;
        EXPECT_TRUE(OnlyWithin(before, Disk(), c.field, 4)) << c.field;
    }
}

TEST_F(Edits, ABadIndexOrValueIsRefusedWithTheCommandLinesMessage) {
    const std::string f = file.string();
    EXPECT_EQ(Refusal(opt::HardpointFieldEdit{2}), f + " holds no hardpoint 2");
    EXPECT_EQ(Refusal(opt::DescriptorFieldEdit{2}), f + " holds no mesh descriptor 2");
    EXPECT_EQ(Refusal(opt::RotScaleFloatEdit{5}), f + " holds no rotation/scale block 5");
    EXPECT_EQ(Refusal(opt::RotScaleFloatEdit{0, 12}), "FLOAT_NO must be 0 to 11.");
    EXPECT_EQ(Refusal(opt::LodDistanceEdit{2, 1}), f + " has no LOD 2");
    EXPECT_EQ(Refusal(opt::LodDistanceEdit{3, 1}), "K must be 0, 1 or 2.");
    EXPECT_EQ(Refusal(opt::TextureImportEdit{"NONE", {}}),
              "No texture named 'NONE' in " + f + ". Nothing was written.");
    EXPECT_EQ(Refusal(opt::RevertEdit{}), "Nothing was written: no recorded write of " + f +
                                              " is current, so there is nothing to revert.");
}

TEST_F(Edits, RecordsOfOneBlockTakeAnEditTogether) {
    auto m = TwoMeshModel();
    std::get<optb::Mesh>(m.entries[1]).children.push_back(optb::Ref{"rs0"});  // mesh 1 lists rs0 too
    Open(m);
    ASSERT_EQ(store->trsh[2].Data_Offset, store->trsh[0].Data_Offset);
    const opt::AppliedEdit applied = opt::ApplyEdit(*store, opt::RotScaleFloatEdit{2, 1, 6}, Target());
    ASSERT_EQ(applied.Runs.size(), 1u);
    EXPECT_EQ(applied.Runs[0].Position, Block("rs0"));
    EXPECT_EQ(FloatAt(Disk(), Data("rs0") + 4), 6.0f);
    EXPECT_EQ(store->trsh[0].Centre[1], 6.0f);
    EXPECT_EQ(store->trsh[2].Mesh, 1);  // each record keeps the mesh that lists it
}

TEST_F(Edits, EveryAppliedEditIsJournaledUnderItsIdAndLeavesTheModelAsAFreshLoad) {
    const opt::Edit edits[] = {
        opt::HardpointFieldEdit{0, opt::HardpointField::X, -4},
        opt::HardpointMovesEdit{{{1, 1, 2, 3, 9}, {0, 5, 6, 7, std::nullopt}}},
        opt::DescriptorFieldEdit{0, opt::DescriptorField::Group, 0, 12},
        opt::LodDistanceEdit{0, 64},
        opt::RotScaleFloatEdit{0, 11, 0.5f},
        opt::HitZoneEdit{opt::HitZoneAction::Write, 0},
        opt::HitZoneEdit{opt::HitZoneAction::CopyCentres, 0},
        opt::HitZoneEdit{opt::HitZoneAction::Zero, 0},
        opt::RevertEdit{},
    };
    int64_t id = 0;
    for (const auto& edit : edits) {
        const opt::AppliedEdit applied = opt::ApplyEdit(*store, edit, Target());
        ASSERT_FALSE(applied.Runs.empty()) << edit.index();
        EXPECT_EQ(applied.JournalId, ++id) << edit.index();
        EXPECT_EQ(opt::ReadJournal(journal, file.string(), warnings).back().Id, id);
        auto fresh = std::make_unique<opt::ModelStore>();
        opt::Load(*fresh, file.string());
        EXPECT_EQ(Listed(*store), Listed(*fresh)) << edit.index();
        EXPECT_EQ(store->File_Image, fresh->File_Image);
    }
    EXPECT_TRUE(warnings.lines.empty());
}

}  // namespace
}  // namespace edit_test
