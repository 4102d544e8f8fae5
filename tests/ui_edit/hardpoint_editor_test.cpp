// The hardpoint editor: choosing an entry, the text blocks, Update and Undo byte for byte, and the
// guards that keep a stale or unchosen edit from reaching the file.
#include "edit/core/block_runs.h"
#include "edit_fixture.h"

namespace edit_test {
namespace {

class HardpointEditor : public EditFixture {
protected:
    void SetUp() override {
        Open(TwoMeshModel());
        WriteLookup("HardPoints.txt", "None\r\nRebelLaser\r\nTurboRebelLaser\r\nCockpit\r\n");
        edit.SBHPClick();
    }
    void Choose(int entry) { edit.LBEDClick(Line(entry)); }
    std::string ErrorOfUpdate() {
        try {
            edit.SBUpdateClick();
        } catch (const opt::OptError& e) {
            return e.what();
        }
        return "";
    }
};

TEST_F(HardpointEditor, EnteringListsTheHardpointsAndChoosingOneTakesASnapshot) {
    const auto& w = edit.Widgets();
    EXPECT_EQ(w.LabED, "Hard Points");
    EXPECT_EQ(w.LBED, (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(w.RG1, (std::vector<std::string>{"X offset", "Y offset", "Z offset", "Type"}));
    EXPECT_TRUE(w.RP);
    Choose(1);
    EXPECT_EQ(selection.Edit_Index, 1);
    const std::string offset = std::to_string(Data("hp1"));
    EXPECT_EQ(w.Memo,
              (std::vector<std::string>{"Orginal Hardpoint ********", "Mesh 0 Offset " + offset + " = 45",
                                        "     X=      12.50      Y=      -3.25      Z=       0.00", " ",
                                        "New Hardpoint ********", "Mesh 0 Offset " + offset + " = 45",
                                        "     X=      12.50      Y=      -3.25      Z=       0.00"}));
    EXPECT_EQ(w.EHPTypeItems, (std::vector<std::string>{"None", "RebelLaser", "TurboRebelLaser", "Cockpit"}));
    EXPECT_EQ(w.EHPTypeText, "");  // code 45 has no name
    EXPECT_FALSE(w.E || w.EHPType || w.SBUpdate);
    Choose(0);
    EXPECT_EQ(w.EHPTypeText, "RebelLaser");
    edit.RG1Click(1);
    EXPECT_TRUE(w.E && w.SBView && w.SBUpdate && w.SBUndo);
    EXPECT_EQ(w.EText, "2");
}

TEST_F(HardpointEditor, UpdateRewritesTheFortyBytesWithOnlyTheEditedField) {
    Choose(0);
    const auto before = Disk();
    Type(0, "-7.5");
    edit.SBUpdateClick();
    const auto after = Disk();
    ASSERT_EQ(after.size(), before.size());
    const int64_t x = Data("hp0") + 4;
    EXPECT_TRUE(OnlyWithin(before, after, x, 4));
    EXPECT_EQ(FloatAt(after, x), -7.5f);
    EXPECT_EQ(store->ttbh[0].X, -7.5f);
    ASSERT_EQ(edit.LastWrites().size(), 1u);
    EXPECT_EQ(edit.LastWrites()[0].Position, Block("hp0"));
    EXPECT_EQ(edit.LastWrites()[0].Length, 40);
    EXPECT_EQ(store->ttbh[0].Data_Offset, Data("hp0"));  // the table keeps the file position
}

TEST_F(HardpointEditor, RealsAreShownAndReadWithTheModelsDecimalSeparator) {
    store->Decimal_Separator = ',';
    Choose(1);
    EXPECT_EQ(edit.Widgets().Memo[2], "     X=      12,50      Y=      -3,25      Z=       0,00");
    edit.RG1Click(0);
    EXPECT_EQ(edit.Widgets().EText, "12,5");
    Type(0, "-7,25");
    edit.SBUpdateClick();
    EXPECT_EQ(FloatAt(Disk(), Data("hp1") + 4), -7.25f);
}

TEST_F(HardpointEditor, TypeIsTheLineNumberOfTheChosenNameButNeverOfTheLastLine) {
    Choose(0);
    edit.RG1Click(3);
    edit.Widgets().EHPTypeText = "Cockpit";  // the last line: never compared
    const auto before = Disk();
    edit.SBUpdateClick();
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(store->ttbh[0].HP_Type, 1);
    edit.Widgets().EHPTypeText = "TurboRebelLaser";
    edit.SBUpdateClick();
    const auto after = Disk();
    EXPECT_TRUE(OnlyWithin(before, after, Data("hp0"), 4));
    EXPECT_EQ(IntAt(after, Data("hp0")), 2);
}

TEST_F(HardpointEditor, UndoAfterTwoUpdatesRestoresTheOriginalBytes) {
    const auto original = Disk();
    Choose(0);
    Type(0, "100");
    edit.SBUpdateClick();
    Type(2, "-100");
    edit.SBUpdateClick();
    EXPECT_NE(Disk(), original);
    edit.SBUndoClick();
    EXPECT_EQ(Disk(), original);
    EXPECT_EQ(store->ttbh[0].X, 1.0f);
    EXPECT_EQ(store->ttbh[0].Z, 3.0f);
    // The mode is entered again with the entry and the part still chosen, the box showing the
    // restored value, so the next Update acts on what the user sees.
    EXPECT_EQ(edit.Widgets().RG1Index, 2);
    EXPECT_EQ(edit.Widgets().EText, "3");
    EXPECT_EQ(edit.Widgets().LBEDIndex, Line(0));
    Type(1, "7");
    edit.SBUpdateClick();
    EXPECT_TRUE(OnlyWithin(original, Disk(), Data("hp0") + 8, 4));
    ASSERT_EQ(edit.LastWrites().size(), 1u);
}

TEST_F(HardpointEditor, UpdateAndUndoBeforeAnEntryIsChosenDoNothing) {
    const auto original = Disk();
    Type(0, "55");  // RG1 is filled when the mode is entered, so the buttons can show
    edit.SBUpdateClick();
    edit.SBUndoClick();
    EXPECT_EQ(Disk(), original);
    EXPECT_EQ(store->ttbh[0].X, 1.0f);
    EXPECT_TRUE(edit.LastWrites().empty());
    EXPECT_TRUE(host.messages.empty());
    // An entry chosen in hardpoint mode does not count in mesh-descriptor mode, whose RG1 still holds
    // the hardpoint parts.
    Choose(0);
    edit.SBHZEDClick();
    Type(0, "55");
    edit.SBUpdateClick();
    edit.SBUndoClick();
    EXPECT_EQ(Disk(), original);
    EXPECT_EQ(store->tcb[0].Target[0], 1.0f);
}

TEST_F(HardpointEditor, BadNumberOrShortTypeListStopsBeforeAnyChange) {
    Choose(0);
    const auto original = Disk();
    Type(0, "abc");
    EXPECT_EQ(ErrorOfUpdate(), "'abc' is not a valid floating point value");
    WriteLookup("HardPoints.txt", "None");
    Choose(0);
    edit.RG1Click(3);
    edit.Widgets().EHPTypeText = "None";
    EXPECT_EQ(ErrorOfUpdate(), "List index out of bounds (1)");
    EXPECT_EQ(Disk(), original);
    EXPECT_EQ(store->ttbh[0].X, 1.0f);
}

TEST_F(HardpointEditor, MissingLookupFileIsReportedAfterTheSnapshotAndSkipsTheRedraw) {
    std::filesystem::remove(dir.path() / "HardPoints.txt");
    const int redraws = host.redraws;
    try {
        Choose(1);
        FAIL() << "no error";
    } catch (const opt::OptError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + (dir.path() / "HardPoints.txt").string());
    }
    EXPECT_EQ(host.redraws, redraws);
    EXPECT_EQ(edit.Widgets().Memo.size(), 7u);
    EXPECT_EQ(edit.Hardpoints()->Snapshot.HP_Type, 45);
}

// The start-up notice asks for "Hardpoint.txt": where HardPoints.txt is missing, the editor reads it.
TEST_F(HardpointEditor, HardpointTxtIsReadWhereHardPointsTxtIsMissing) {
    std::filesystem::remove(dir.path() / "HardPoints.txt");
    WriteLookup("Hardpoint.txt", "None\r\nIonCannon\r\nend\r\n");
    Choose(0);
    EXPECT_EQ(edit.Widgets().EHPTypeItems, (std::vector<std::string>{"None", "IonCannon", "end"}));
}

TEST_F(HardpointEditor, FileChangedOnDiskSinceTheLoadIsRefused) {
    Choose(0);
    auto altered = Disk();
    altered[static_cast<size_t>(Block("hp0") + optb::kCountField)] ^= 1;  // another header than was read
    opt::test::WriteBytes(file, altered);
    Type(0, "9");
    const std::string message = ErrorOfUpdate();
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find("hardpoint 0"), std::string::npos) << message;
    EXPECT_EQ(Disk(), altered);
}

TEST_F(HardpointEditor, PayloadAwayFromItsHeaderIsRefused) {
    auto model = TwoMeshModel();
    auto& mesh = std::get<optb::Mesh>(model.entries[0]);
    const auto plain = optb::build(model);
    // The hardpoint's Data_Offset points 4 bytes past the end of its payload: the write position
    // Data_Offset - 24 is then not the block start.
    std::get<optb::Hardpoint>(mesh.children[1]).header.data_offset =
        plain.layout.stored(plain.layout.at("hp0").data_pos + 4);
    Open(model);
    edit.SBHPClick();
    Choose(0);
    const auto original = Disk();
    Type(0, "9");
    EXPECT_NE(ErrorOfUpdate().find("hardpoint 0"), std::string::npos);
    EXPECT_EQ(Disk(), original);
}

TEST_F(HardpointEditor, FileThatCannotBeOpenedIsReportedAndNotCreated) {
    Choose(0);
    std::filesystem::remove(file);
    Type(0, "9");
    EXPECT_EQ(ErrorOfUpdate(), "Cannot open file " + file.string());
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(store->ttbh[0].X, 1.0f);  // the table shows what the file holds again
    EXPECT_TRUE(edit.LastWrites().empty());
}

TEST(HardpointRun, HeaderGoesBackToItsStoredForm) {
    opt::HardpointRecord r;
    r.Type = 22;
    r.Data_Offset = 124;
    r.HP_Type = 3;
    r.X = 1.5f;
    const auto bytes = opt::HardpointRun(r, 1000);
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_EQ(IntAt(bytes, 4), 22);
    EXPECT_EQ(IntAt(bytes, 20), 1124);
    EXPECT_EQ(IntAt(bytes, 24), 3);
    EXPECT_EQ(FloatAt(bytes, 28), 1.5f);
    EXPECT_EQ(r.Data_Offset, 124);
}

}  // namespace
}  // namespace edit_test
