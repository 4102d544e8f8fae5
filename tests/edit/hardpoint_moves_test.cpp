// Several hardpoints moved in one write: the list is checked whole, each move changes only its
// record's payload, the moves are one journal record whose id is found again, and every refusal
// leaves the file and the journal as they were.
#include "edit/core/hardpoint_moves.h"

#include <filesystem>

#include "edit/core/edits.h"
#include "edit/core/journal_history.h"
#include "model_file_fixture.h"

namespace edit_test {
namespace {

class HardpointMoves : public ModelFileFixture {
protected:
    void SetUp() override { Open(TwoMeshModel()); }

    opt::AppliedEdit Move(const std::string& json) {
        const opt::HardpointMovesEdit moves{opt::ParseHardpointMoves(json)};
        return opt::ApplyEdit(*store, moves, {file.string(), journal, true, &warnings});
    }
    // The refusal's message; the file and the journal must be untouched.
    std::string Refusal(const std::string& json) {
        const auto before = Disk();
        try {
            Move(json);
        } catch (const opt::OptError& e) {
            EXPECT_EQ(Disk(), before) << json;
            EXPECT_FALSE(std::filesystem::exists(journal)) << json;
            return e.what();
        }
        ADD_FAILURE() << "not refused: " << json;
        return "";
    }

    std::string journal = (dir.path() / "journal.jsonl").string();
    opt::VectorSink warnings;
};

TEST_F(HardpointMoves, TwoMovesAreOneJournaledWriteOfOnlyTheChangedBytes) {
    const auto before = Disk();
    const auto done = Move(R"([{"index": 0, "x": 1, "y": 2.5, "z": 3},
                              {"index": 1, "x": 12.5, "y": -3.25, "z": -7, "type": 45}])");
    const auto after = Disk();
    ASSERT_EQ(done.Runs.size(), 2u);
    EXPECT_EQ(done.Runs[0].What, "hardpoint 0");
    EXPECT_EQ(done.Runs[0].Position, Block("hp0"));
    EXPECT_EQ(done.Runs[0].New.size(), 40u);
    // Only y of hardpoint 0 and z of hardpoint 1 differ: 8 bytes.
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        const auto at = static_cast<int64_t>(i);
        const bool y0 = at >= Data("hp0") + 8 && at < Data("hp0") + 12;
        const bool z1 = at >= Data("hp1") + 12 && at < Data("hp1") + 16;
        if (!y0 && !z1) {
            EXPECT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(FloatAt(after, Data("hp0") + 8), 2.5f);
    EXPECT_EQ(FloatAt(after, Data("hp1") + 12), -7.0f);
    EXPECT_EQ(store->ttbh[0].Y, 2.5f);  // the table takes the moves after the write
    EXPECT_EQ(store->ttbh[1].Z, -7.0f);

    const auto writes = opt::ReadJournal(journal, file.string(), warnings);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].Runs.size(), 2u);
    ASSERT_TRUE(done.JournalId.has_value());
    EXPECT_EQ(*done.JournalId, writes[0].Id);

    // The same list again changes nothing and records nothing.
    const auto again = Move(R"([{"index": 0, "x": 1, "y": 2.5, "z": 3}])");
    EXPECT_TRUE(again.Runs.empty());
    EXPECT_FALSE(again.JournalId.has_value());
    EXPECT_EQ(opt::ReadJournal(journal, file.string(), warnings).size(), 1u);

    opt::RevertWrite(file.string(), journal, std::nullopt, warnings);
    EXPECT_EQ(Disk(), before);
}

TEST_F(HardpointMoves, ATypeCodeIsWrittenOnlyWhenGiven) {
    Move(R"([{"index": 1, "x": 12.5, "y": -3.25, "z": 0}])");
    EXPECT_EQ(IntAt(Disk(), Data("hp1")), 45);
    Move(R"([{"index": 1, "x": 12.5, "y": -3.25, "z": 0, "type": -2147483648}])");
    EXPECT_EQ(IntAt(Disk(), Data("hp1")), INT32_MIN);
}

TEST_F(HardpointMoves, OneBadEntryRefusesTheWholeList) {
    const std::string good = R"({"index": 0, "x": 5, "y": 5, "z": 5}, )";
    const std::pair<std::string, std::string> cases[] = {
        {"[{\"index\": 0, \"x\": 1, ", "not valid JSON"},
        {"{\"index\": 0}", "must be a JSON list"},
        {"[" + good + "[1, 2, 3]]", "Entry 2 of the hardpoint list: it is not an object"},
        {"[" + good + R"({"index": 1, "x": 1, "z": 1}])", "Entry 2 of the hardpoint list: it has no \"y\""},
        {"[" + good + R"({"index": 1, "x": 1, "y": 1, "z": 1, "X": 2}])", "unknown key \"X\""},
        {"[" + good + R"({"index": -1, "x": 1, "y": 1, "z": 1}])", "\"index\" must be a whole number from 0"},
        {"[" + good + R"({"index": 1.0, "x": 1, "y": 1, "z": 1}])", "\"index\" must be a whole number"},
        {"[" + good + R"({"index": 1, "x": "1", "y": 1, "z": 1}])", "\"x\" must be a number"},
        {"[" + good + R"({"index": 1, "x": 1, "y": 3.5e38, "z": 1}])", "beyond the range of a 32-bit float"},
        {"[" + good + R"({"index": 1, "x": 1, "y": 1, "z": 1e999}])", "not valid JSON"},
        {"[" + good + R"({"index": 1, "x": 1, "y": 1, "z": 1, "type": 2147483648}])", "\"type\" must be"},
        {"[" + good + R"({"index": 1, "x": 1, "y": 1, "z": 1, "type": 1.5}])", "\"type\" must be"},
        {"[" + good + R"({"index": 0, "x": 1, "y": 1, "z": 1}])", "names hardpoint 0 again"},
        // Checked against the model: an index outside the table, and a record no block filled.
        {"[" + good + R"({"index": 4096, "x": 1, "y": 1, "z": 1}])", "holds no hardpoint 4096"},
        {"[" + good + R"({"index": 2, "x": 1, "y": 1, "z": 1}])", "holds no hardpoint 2"},
    };
    for (const auto& [json, why] : cases) {
        const std::string message = Refusal(json);
        EXPECT_NE(message.find(why), std::string::npos) << json << "\n" << message;
        EXPECT_NE(message.find("Nothing was written."), std::string::npos) << message;
    }
}

TEST_F(HardpointMoves, TwoRecordsOfOneBlockMovedApartAreRefused) {
    // Mesh 1 lists hardpoint 0's block as its own: hardpoints 0 and 2 are one block.
    auto m = TwoMeshModel();
    std::get<optb::Mesh>(m.entries[1]).children.push_back(optb::Ref{"hp0"});
    Open(m);
    ASSERT_EQ(store->ttbh[2].Data_Offset, store->ttbh[0].Data_Offset);
    const auto before = Disk();
    Move(R"([{"index": 2, "x": 9, "y": 2, "z": 3}])");  // through either record: the one block moves
    EXPECT_EQ(FloatAt(Disk(), Data("hp0") + 4), 9.0f);
    EXPECT_EQ(store->ttbh[0].X, 9.0f);
    EXPECT_EQ(store->ttbh[2].Mesh, 1);
    const auto moved = Disk();
    EXPECT_THROW(Move(R"([{"index": 0, "x": 1, "y": 2, "z": 3}, {"index": 2, "x": 8, "y": 2, "z": 3}])"),
                 opt::OptError);
    EXPECT_EQ(Disk(), moved);
    EXPECT_NE(before, moved);
}

}  // namespace
}  // namespace edit_test
