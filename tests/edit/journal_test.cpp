// The write journal: every write recorded before it is made, history read back from the disk's
// bytes, reverts through the same verified patcher, and a journal damaged by a crash.
#include <fstream>

#include "edit/core/journal_history.h"
#include "edit/core/write_journal.h"
#include "edit_fixture.h"

namespace edit_test {
namespace {

class Journal : public EditFixture {
protected:
    void SetUp() override {
        Open(TwoMeshModel());
        WriteLookup("HardPoints.txt", "None\nRebelLaser\n");
        edit.JournalPath = journal;
        original = Disk();
    }
    // Sets hardpoint 0's X through the edit area.
    void SetX(const std::string& text) {
        edit.SBHPClick();
        edit.LBEDClick(Line(0));
        Type(0, text);
        edit.SBUpdateClick();
    }
    std::vector<opt::JournalWrite> Writes() { return opt::ReadJournal(journal, file.string(), warnings); }
    std::vector<std::string> History() { return opt::HistoryLines(Writes(), Disk()); }
    std::string RevertError(std::optional<int64_t> id = std::nullopt) {
        try {
            opt::RevertWrite(file.string(), journal, id, warnings);
        } catch (const opt::OptError& e) {
            return e.what();
        }
        return "";
    }
    std::string Ending(const std::string& line) const { return line.substr(line.rfind("  ") + 2); }

    std::string journal = (dir.path() / "SaveData" / "patch-journal.jsonl").string();
    opt::VectorSink warnings;
    std::vector<uint8_t> original;
};

TEST_F(Journal, AWriteThenItsRevertRestoresTheOriginalBytes) {
    SetX("9");
    auto writes = Writes();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_TRUE(writes[0].Done);
    ASSERT_EQ(writes[0].Runs.size(), 1u);
    EXPECT_EQ(writes[0].Runs[0].What, "hardpoint 0");
    EXPECT_EQ(writes[0].Runs[0].Position, Block("hp0"));
    EXPECT_EQ(Ending(History()[0]), "current");
    const opt::RevertDone done = opt::RevertWrite(file.string(), journal, std::nullopt, warnings);
    EXPECT_EQ(done.Id, 1);
    EXPECT_EQ(Disk(), original);
    const auto lines = History();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("2  ", 0), 0u) << lines[0];  // newest first: the revert, itself journaled
    EXPECT_NE(lines[0].find("(reverts 1)  current"), std::string::npos) << lines[0];
    EXPECT_EQ(Ending(lines[1]), "reverted");
    EXPECT_NE(RevertError(1).find("later write 2"), std::string::npos);  // the revert holds those bytes
    EXPECT_TRUE(warnings.lines.empty());
}

TEST_F(Journal, ACrashBetweenTheRecordAndTheModelWriteLeavesTheTruth) {
    // The record is appended and flushed, then the program stops: half of the new bytes reached the
    // file, and the write was never marked done.
    std::vector<uint8_t> halfway = original;
    opt::PatchRun run{"hardpoint 0", Data("hp0"), {}, {}};
    run.Old.assign(original.begin() + Data("hp0"), original.begin() + Data("hp0") + 8);
    run.New = {1, 2, 3, 4, 5, 6, 7, 8};
    const int64_t id = opt::JournalBegin(journal, file.string(), static_cast<int64_t>(original.size()),
                                         std::span<const opt::PatchRun>(&run, 1), std::nullopt);
    EXPECT_EQ(Ending(History()[0]), "reverted");  // no byte written yet: the file holds the old ones
    std::copy(run.New.begin(), run.New.begin() + 4, halfway.begin() + Data("hp0"));
    opt::test::WriteBytes(file, halfway);
    EXPECT_EQ(Ending(History()[0]), "interrupted");
    EXPECT_EQ(RevertError(id), "");
    EXPECT_EQ(Disk(), original);
}

TEST_F(Journal, ADamagedLastLineIsIgnoredWithAWarning) {
    SetX("9");
    {
        std::ofstream out(journal, std::ios::app | std::ios::binary);
        out << "{\"id\":2,\"time\":\"2026-";  // half-written
    }
    EXPECT_EQ(Writes().size(), 1u);
    EXPECT_EQ(warnings.lines.size(), 1u);
    SetX("10");  // the next record starts a line of its own, with the next complete record's id + 1
    const auto writes = Writes();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[1].Id, 2);
    EXPECT_TRUE(writes[1].Done);
}

TEST_F(Journal, NoModelWriteWithoutItsRecord) {
    edit.JournalPath = (dir.path() / "model.opt" / "journal.jsonl").string();  // a folder that cannot exist
    EXPECT_THROW(SetX("9"), opt::OptError);
    EXPECT_EQ(Disk(), original);
}

TEST_F(Journal, RevertRefusesBytesChangedByAnotherProgramOrALaterCurrentWrite) {
    SetX("9");
    edit.LBEDClick(Line(0));
    Type(1, "8");
    edit.SBUpdateClick();  // write 2 changes the same block
    EXPECT_NE(RevertError(1).find("later write 2"), std::string::npos) << RevertError(1);
    auto changed = Disk();
    changed[static_cast<size_t>(Data("hp0") + 8)] ^= 0x40;
    opt::test::WriteBytes(file, changed);
    EXPECT_NE(RevertError(2).find("position " + std::to_string(Data("hp0") + 8)), std::string::npos);
    EXPECT_NE(RevertError().find("no recorded write"), std::string::npos);
    EXPECT_EQ(Disk(), changed);
    changed.push_back(0);
    opt::test::WriteBytes(file, changed);
    EXPECT_NE(RevertError(2).find("bytes long"), std::string::npos);
}

}  // namespace
}  // namespace edit_test
