// The mesh-descriptor editor and the hit-zone writers: every descriptor goes back as its 96-byte
// image, only descriptors are written, and the messages appear only after a write.
#include "edit_fixture.h"
#include "listings/listings.h"

namespace edit_test {
namespace {

constexpr int64_t kTargetX = 84, kGroupId = 80, kMeshType = 24, kN2 = 28, kHzMin = 56, kHzMax = 68;

class DescriptorEditor : public EditFixture {
protected:
    void SetUp() override {
        Open(TwoMeshModel());
        WriteLookup("MeshType.txt", "DEFAULT\nMAINHULL\nWING\nFUSELAGE\nEND\n");
        edit.SBHZEDClick();
        edit.LBEDClick(Line(0));
    }
};

TEST_F(DescriptorEditor, ChoosingShowsBothTextBlocksAndLoadsTheTypeList) {
    const auto& w = edit.Widgets();
    EXPECT_EQ(w.LabED, "Mesh Things");
    EXPECT_TRUE(w.SBHZ0);
    EXPECT_EQ(w.RG1.size(), 6u);
    EXPECT_EQ(w.RG1[5], "Unknown");
    const std::string head = "Mesh 0 Offset " + std::to_string(Data("d0")) + " Uknown= 7";
    const std::string xyz = "     X=       1.00      Y=       2.00      Z=       3.00";
    EXPECT_EQ(w.Memo, (std::vector<std::string>{
                          "Orginal Target Box point ********", head,
                          "Mesh Type =5 = " + std::string(opt::MeshTypeName(5)), "Group ID = 3", xyz, " ",
                          "New Target Box point ********", head,
                          "Mesh Type =5 = " + std::string(opt::MeshTypeName(5)), "Group ID = 3", xyz, " ",
                          " ", "RotTurrent`s and anything else that can be blown up.",
                          "GroupId should be \"0\" and target box coordinates left at \"0.0\""}));
    EXPECT_EQ(w.EHPTypeItems.size(), 5u);
    EXPECT_EQ(w.EHPTypeText, std::string(opt::MeshTypeName(5)));
    edit.RG1Click(3);
    EXPECT_EQ(w.EText, "3");
    edit.RG1Click(5);
    EXPECT_EQ(w.EText, "7");
}

TEST_F(DescriptorEditor, EachPartChangesOnlyItsOwnBytes) {
    struct Case {
        int item;
        const char* text;
        int64_t field;
    };
    for (const Case& c : {Case{0, "0.0", kTargetX}, Case{2, "-4.5", kTargetX + 8}, Case{3, "0", kGroupId},
                          Case{5, "$10", kN2}}) {
        const auto before = Disk();
        Type(c.item, c.text);
        edit.SBUpdateClick();
        EXPECT_TRUE(OnlyWithin(before, Disk(), Block("d0") + c.field, 4)) << c.item;
    }
    const auto after = Disk();
    EXPECT_EQ(FloatAt(after, Block("d0") + kTargetX), 0.0f);
    EXPECT_EQ(FloatAt(after, Block("d0") + kTargetX + 8), -4.5f);
    EXPECT_EQ(IntAt(after, Block("d0") + kGroupId), 0);
    EXPECT_EQ(IntAt(after, Block("d0") + kN2), 16);
    EXPECT_TRUE(host.messages.empty());       // SBHZED is down: WriteHZ says nothing
    ASSERT_EQ(edit.LastWrites().size(), 1u);  // descriptor 1 holds what the file holds: not written
    EXPECT_EQ(edit.LastWrites()[0].Position, Block("d0"));
    EXPECT_EQ(edit.LastWrites()[0].Length, 96);
}

TEST_F(DescriptorEditor, TypeUpdateAndUndoAfterTwoUpdates) {
    const auto original = Disk();
    edit.RG1Click(4);
    edit.Widgets().EHPTypeText = "WING";
    edit.SBUpdateClick();
    EXPECT_EQ(IntAt(Disk(), Block("d0") + kMeshType), 2);
    Type(3, "abc");
    try {
        edit.SBUpdateClick();
        FAIL();
    } catch (const opt::OptError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    Type(0, "77");
    edit.SBUpdateClick();
    edit.SBUndoClick();
    EXPECT_EQ(Disk(), original);
    EXPECT_EQ(store->tcb[0].Mesh_Type, 5);
    EXPECT_EQ(store->tcb[0].Target[0], 1.0f);
}

TEST_F(DescriptorEditor, WriteHZWritesOnlyDescriptors) {
    // A record whose Type is not 25 is not written, even when its values differ from the file.
    store->tcb[1].Type = 0;
    store->tcb[1].HZ_Min[0] = 55;
    store->tcb[0].HZ_Max[1] = 66;
    selection.DisplayMode.PutDown(opt::SBShoHZ);
    const auto before = Disk();
    edit.SBHZWriteClick();
    const auto after = Disk();
    EXPECT_TRUE(OnlyWithin(before, after, Block("d0") + kHzMax + 4, 4));
    ASSERT_EQ(edit.LastWrites().size(), 1u);
    EXPECT_EQ(host.messages, std::vector<std::string>{file.string() + " Updated with new HitZone(s)"});
    EXPECT_FALSE(edit.Widgets().SBHZWrite);
}

TEST_F(DescriptorEditor, ZeroCornersAreWrittenBeforeTheyChangeInMemory) {
    selection.DisplayMode.PutDown(opt::SBShoHZ);
    store->tcb[0].HZ_Span[0] = 12;  // spans and centres go out as they are in memory
    std::filesystem::remove(file);
    store->tcb[0].HZ_Min[0] = 3;
    EXPECT_THROW(edit.SBHZ0Click(), opt::OptError);
    // The open failed: the descriptor shows what the file holds again.
    EXPECT_EQ(store->tcb[0].HZ_Min[0], FloatAt(built.bytes, Block("d0") + kHzMin));
    EXPECT_EQ(store->tcb[0].HZ_Span[0], FloatAt(built.bytes, Block("d0") + 32));
    EXPECT_TRUE(edit.Widgets().SBHZ0);
    optb::write_file(file, built.bytes);
    store->tcb[0].HZ_Span[0] = 12;
    store->tcb[0].HZ_Min[0] = 3;
    edit.SBHZ0Click();
    const auto after = Disk();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(FloatAt(after, Block("d0") + kHzMin + 4 * i), 0.0f);
        EXPECT_EQ(FloatAt(after, Block("d1") + kHzMax + 4 * i), 0.0f);
    }
    EXPECT_EQ(FloatAt(after, Block("d0") + 32), 12.0f);
    EXPECT_EQ(store->tcb[0].HZ_Min[0], 0.0f);
    EXPECT_EQ(host.messages, std::vector<std::string>{file.string() + " Updated HitZone(s) with zero`s"});
    EXPECT_FALSE(edit.Widgets().SBHZ0);
}

TEST_F(DescriptorEditor, CopyOfCentresNeedsAComputationAndWritesOnlyPairs) {
    selection.DisplayMode.PutDown(opt::SBCopyCenters);
    const auto original = Disk();
    edit.SBCopyCentersClick();
    EXPECT_EQ(host.messages, std::vector<std::string>{"Auto Calculate Hitzones First"});
    EXPECT_EQ(Disk(), original);
    edit.SBHZClick();
    host.messages.clear();
    store->trsh[1].Type = 0;  // entry 1 has no rotation/scale block to pair with
    edit.SBCopyCentersClick();
    const auto after = Disk();
    EXPECT_TRUE(OnlyWithin(original, after, Data("rs0"), 12));
    EXPECT_EQ(FloatAt(after, Data("rs0")), 1.0f);
    EXPECT_EQ(FloatAt(after, Data("rs0") + 4), 2.0f);
    EXPECT_EQ(FloatAt(after, Data("rs0") + 8), -3.0f);
    EXPECT_EQ(host.messages,
              std::vector<std::string>{"File updated.. Note: Turret centers will not be 100% correct"});
}

}  // namespace
}  // namespace edit_test
