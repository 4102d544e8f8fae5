// The LOD-distance editor (distance k of every LOD set, at each set's Data_Offset) and the
// rotation/scale editor (72 bytes at Data_Offset - 24).
#include "edit_fixture.h"

namespace edit_test {
namespace {

class DistanceEditor : public EditFixture {
protected:
    void SetUp() override {
        Open(TwoMeshModel());
        edit.SBResClick();
    }
};

TEST_F(DistanceEditor, DistanceKGoesToEveryLodSetAndOnlyItsDistancesAreWritten) {
    const auto& w = edit.Widgets();
    EXPECT_EQ(w.LabED, "Distances");
    EXPECT_EQ(w.LBED, (std::vector<std::string>{"0", "1"}));
    EXPECT_TRUE(w.RLabel);
    edit.LBEDClick(1);
    EXPECT_EQ(w.RG1, (std::vector<std::string>{"Distance 0", "Distance 1"}));
    EXPECT_EQ(w.Memo.front(), "Dist \"0\" is HI res model ");
    edit.RG1Click(1);
    EXPECT_EQ(w.EText, "2000.0000000000");  // Dist_2
    EXPECT_TRUE(w.SBUpdate && !w.SBUndo && !w.SBView);
    const auto before = Disk();
    edit.Widgets().EText = "5000";
    edit.SBUpdateClick();
    const auto after = Disk();
    // The two-level set gets 5000 as its second distance; the one-level set only in memory.
    EXPECT_TRUE(OnlyWithin(before, after, Data("lod0") + 4, 4));
    EXPECT_EQ(FloatAt(after, Data("lod0") + 4), 5000.0f);
    EXPECT_EQ(FloatAt(after, Data("lod1")), 3000.0f);
    EXPECT_EQ(store->ttmdh[1].Distance[1], 5000.0f);
    EXPECT_EQ(store->Dist_2, 2000.0f);
    EXPECT_EQ(host.messages, std::vector<std::string>{file.string() + " LOD`s updated"});
    EXPECT_FALSE(w.SBUpdate);
    ASSERT_EQ(edit.LastWrites().size(), 1u);  // the one-level set's distance is unchanged: not written
    EXPECT_EQ(edit.LastWrites()[0].Length, 8);
}

TEST_F(DistanceEditor, UpdateBeforeALineIsChosenDoesNothing) {
    const auto before = Disk();
    edit.RG1Click(0);  // RG1 still holds the parts it was given last (hardpoints: none here)
    edit.Widgets().EText = "1";
    edit.SBUpdateClick();
    EXPECT_EQ(Disk(), before);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DistanceEditor, DistancesChangedOnDiskAreRefused) {
    edit.LBEDClick(0);
    auto altered = Disk();
    altered[static_cast<size_t>(Data("lod1"))] ^= 0x40;
    opt::test::WriteBytes(file, altered);
    Type(0, "1");
    try {
        edit.SBUpdateClick();
        FAIL();
    } catch (const opt::OptError& e) {
        EXPECT_NE(std::string(e.what()).find("LOD set 1"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Disk(), altered);
    EXPECT_TRUE(host.messages.empty());
}

class RotScaleEditor : public EditFixture {
protected:
    void SetUp() override {
        Open(TwoMeshModel());
        edit.SBRSHClick();
        edit.LBEDClick(Line(0));
    }
};

TEST_F(RotScaleEditor, FloatZeroIsTheCentreXAndOnlyItsBytesChange) {
    const auto& w = edit.Widgets();
    EXPECT_EQ(w.LabED, "Scale Things");
    EXPECT_EQ(w.RG1.size(), 12u);
    EXPECT_EQ(w.Memo,
              (std::vector<std::string>{
                  "Orginal Scales ********", "Mesh 0 Offset " + std::to_string(Data("rs0")),
                  "     X=       1.00      Y=       1.00      Z=       1.00",
                  "     X=       1.00      Y=       0.00      Z=       0.00",
                  "     X=       0.00      Y=       1.00      Z=       0.00",
                  "     X=       0.00      Y=       0.00      Z=       1.00", " ", "New Scales ********",
                  "Mesh 0 Offset " + std::to_string(Data("rs0")), " Added first 3 floats editing too ",
                  "     X=       1.00      Y=       1.00      Z=       1.00",
                  "     X=       1.00      Y=       0.00      Z=       0.00",
                  "     X=       0.00      Y=       1.00      Z=       0.00",
                  "     X=       0.00      Y=       0.00      Z=       1.00", " "}));
    edit.RG1Click(0);
    EXPECT_EQ(w.EText, "1.0000000000");
    const auto before = Disk();
    edit.Widgets().EText = "-2.5";
    edit.SBUpdateClick();
    EXPECT_TRUE(OnlyWithin(before, Disk(), Data("rs0"), 4));
    EXPECT_EQ(FloatAt(Disk(), Data("rs0")), -2.5f);
    EXPECT_EQ(host.messages, std::vector<std::string>{"File updated.. "});
    EXPECT_FALSE(w.SBUpdate);
}

TEST_F(RotScaleEditor, UndoAfterTwoUpdatesRestoresMemoryAndFile) {
    const auto original = Disk();
    Type(4, "9");
    edit.SBUpdateClick();
    Type(11, "8");
    edit.SBUpdateClick();
    edit.SBUndoClick();
    EXPECT_EQ(Disk(), original);
    EXPECT_EQ(store->trsh[0].Scale_1[1], 0.0f);
    EXPECT_EQ(store->trsh[0].Scale_3[2], 1.0f);
    EXPECT_EQ(edit.Widgets().RG1.size(), 12u);  // the mode is not entered again
}

}  // namespace
}  // namespace edit_test
