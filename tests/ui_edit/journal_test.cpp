// The write journal: every write recorded before it is made, history read back from the disk's
// bytes, reverts through the same verified patcher, and a journal damaged by a crash.
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

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
    // Sets part (0 X, 1 Y, 2 Z) of a hardpoint through the edit area.
    void Set(int part, const std::string& text, int hardpoint = 0) {
        edit.SBHPClick();
        edit.LBEDClick(Line(hardpoint));
        Type(part, text);
        edit.SBUpdateClick();
    }
    void SetX(const std::string& text) { Set(0, text); }
    std::string JournalText() const {
        std::ifstream in(journal, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void PutJournalText(const std::string& text) const { std::ofstream(journal, std::ios::binary) << text; }
    std::vector<opt::JournalWrite> Writes() { return opt::ReadJournal(journal, file.string(), warnings); }
    std::vector<std::string> History() { return opt::HistoryLines(Writes(), Disk()); }
    std::string RevertError(std::optional<opt::JournalRef> id = std::nullopt) {
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

TEST_F(Journal, RevertsWalkBackOneWriteAtATimeAndARevertOfARevertRedoes) {
    SetX("5");    // write 1
    Set(1, "6");  // write 2: Y of the same hardpoint
    const auto both = Disk();
    EXPECT_EQ(RevertError(2), "");  // write 3
    // Write 3 undid write 2, so neither stands in the way of undoing write 1.
    EXPECT_EQ(RevertError(1), "");  // write 4
    EXPECT_EQ(Disk(), original);
    auto lines = History();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[2].find("hardpoint 0 (undone by 3)  changed since"), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find("hardpoint 0 (undone by 4)  reverted"), std::string::npos) << lines[3];
    EXPECT_EQ(RevertError(4), "");  // redoes write 1 (write 5)
    EXPECT_EQ(RevertError(3), "");  // redoes write 2 (write 6)
    EXPECT_EQ(Disk(), both);
    // Without an id: the newest write not itself a revert, current and not undone, one at a time.
    EXPECT_EQ(RevertError(), "");
    EXPECT_EQ(Writes().back().Reverts->Id, 2);
    EXPECT_EQ(RevertError(), "");
    EXPECT_EQ(Writes().back().Reverts->Id, 1);
    EXPECT_EQ(Disk(), original);
    EXPECT_NE(RevertError().find("nothing to revert"), std::string::npos);
    EXPECT_EQ(Disk(), original);
}

TEST_F(Journal, IdsStayUniqueWhenAnOlderWriteIsMarkedDoneAfterANewerOneIsRecorded) {
    // Two programs at once: write 1 recorded, write 2 recorded, then write 1 marked done.
    EXPECT_EQ(opt::JournalBegin(journal, file.string(), 1, {}, std::nullopt), 1);
    EXPECT_EQ(opt::JournalBegin(journal, file.string(), 1, {}, std::nullopt), 2);
    opt::JournalDone(journal, 1);
    EXPECT_EQ(opt::JournalBegin(journal, file.string(), 1, {}, std::nullopt), 3);
}

TEST_F(Journal, AJournalThatRepeatsAnIdListsAndRevertsEachWriteByItsLine) {
    SetX("9");       // lines 1 and 2
    Set(0, "8", 1);  // lines 3 and 4: hardpoint 1
    std::string text = JournalText();
    for (size_t at; (at = text.find("{\"id\":2,")) != std::string::npos;) text.replace(at, 8, "{\"id\":1,");
    PutJournalText(text);  // as an earlier version could leave it: both writes have id 1
    const auto lines = History();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("hardpoint 1 (id 1 repeats: revert it as 1:3)  current"), std::string::npos)
        << lines[0];
    EXPECT_NE(lines[1].find("hardpoint 0 (id 1 repeats: revert it as 1:1)  current"), std::string::npos)
        << lines[1];
    EXPECT_EQ(RevertError(1), "Nothing was written: write id 1 is recorded 2 times for " + file.string() +
                                  " (journal lines 1, 3); name one as 1:1 or 1:3.");
    EXPECT_EQ(RevertError(opt::JournalRef(1, 3)), "");
    const auto now = Disk();
    EXPECT_TRUE(std::equal(now.begin() + Block("hp1"), now.begin() + Block("hp1") + 40,
                           original.begin() + Block("hp1")));
    EXPECT_NE(now, original);  // hardpoint 0 keeps its write
    const auto revert = Writes().back();
    EXPECT_EQ(revert.Id, 2);
    EXPECT_EQ(revert.Reverts->Line, 3);
    EXPECT_NE(History()[1].find("(undone by 2) (id 1 repeats: revert it as 1:3)  reverted"),
              std::string::npos)
        << History()[1];
}

TEST_F(Journal, AnInterruptedWriteIsNotedAtLoadAndRevertedBeforeAnyOther) {
    SetX("9");  // write 1, current
    const auto afterFirst = Disk();
    // Write 2 of two runs, stopped after its first run.
    std::vector<opt::PatchRun> runs{{"hardpoint 1", Data("hp1"), {}, {1, 2, 3, 4}},
                                    {"rotation/scale 0", Data("rs0"), {}, {5, 6, 7, 8}}};
    for (auto& r : runs) r.Old.assign(original.begin() + r.Position, original.begin() + r.Position + 4);
    opt::JournalBegin(journal, file.string(), static_cast<int64_t>(original.size()), runs, std::nullopt);
    auto halfway = afterFirst;
    std::copy(runs[0].New.begin(), runs[0].New.end(), halfway.begin() + Data("hp1"));
    opt::test::WriteBytes(file, halfway);
    EXPECT_EQ(opt::InterruptedWriteNote(file.string(), halfway, journal),
              "the last write to " + file.string() +
                  " (id 2) was interrupted: 1 of 2 runs hold the new bytes; File > Revert Last Write or "
                  "`zedaruz-cli revert " +
                  file.string() + "` puts the old ones back");
    EXPECT_EQ(RevertError(), "");
    EXPECT_EQ(Disk(), afterFirst);
    EXPECT_EQ(opt::InterruptedWriteNote(file.string(), afterFirst, journal), std::nullopt);
}

TEST_F(Journal, AFileReachedThroughALinkOrDotDotHasTheHistoryOfTheFileItself) {
    const auto link = dir.path() / "link.opt";
    std::error_code ec;
    std::filesystem::create_symlink(file.filename(), link, ec);
    if (ec) GTEST_SKIP() << "no symbolic links here: " << ec.message();
    std::filesystem::create_directory(dir.path() / "sub");
    edit.FileName = link.string();
    SetX("9");
    EXPECT_EQ(Writes().size(), 1u);
    EXPECT_EQ(opt::ReadJournal(journal, (dir.path() / "sub" / ".." / "model.opt").string(), warnings).size(),
              1u);
    // As the previous version recorded it: under the absolute path it was given.
    auto record = nlohmann::json::parse(JournalText().substr(0, JournalText().find('\n')));
    record["file"] = opt::JournalLexicalName(link.string());
    PutJournalText(record.dump() + "\n");
    EXPECT_EQ(Writes().size(), 1u);
    EXPECT_EQ(RevertError(), "");
    EXPECT_EQ(Disk(), original);
}

}  // namespace
}  // namespace edit_test
