// The note of an interrupted write, read from the journal's end back to the file's newest record: the
// same note as the whole journal gives, past other files' records, done marks, long lines and a
// half-written last line, and where an older version's journal repeats the id.
#include <fstream>

#include "edit/core/journal_history.h"
#include "edit/core/write_journal.h"
#include "model_file_fixture.h"

namespace edit_test {
namespace {

class InterruptedWriteNote : public ModelFileFixture {
protected:
    void SetUp() override {
        Open(TwoMeshModel());
        disk = Disk();
    }
    // A write of `path` recorded with its runs: 4 new bytes at each position.
    int64_t Record(const std::string& path, std::vector<int64_t> positions, size_t length = 4) {
        std::vector<opt::PatchRun> runs;
        for (int64_t p : positions) {
            opt::PatchRun r{"run", p, {}, std::vector<uint8_t>(length, 0x5A)};
            // Old bytes past the model's end (a record of another, longer file) are zeros.
            for (size_t i = 0; i < length; ++i)
                r.Old.push_back(p + i < disk.size() ? disk[static_cast<size_t>(p) + i] : 0);
            runs.push_back(r);
        }
        return opt::JournalBegin(journal, path, static_cast<int64_t>(disk.size()), runs, std::nullopt);
    }
    void Append(const std::string& text) const {
        std::ofstream(journal, std::ios::app | std::ios::binary) << text;
    }
    std::optional<std::string> Note() const {
        return opt::InterruptedWriteNote(file.string(), disk, journal);
    }
    // The note the whole journal gives: its newest write of the file, when the disk holds a mix of it.
    std::optional<std::string> NoteOfTheWholeJournal() {
        const auto writes = opt::ReadJournal(journal, file.string(), ignored);
        if (writes.empty() || opt::StateOf(writes.back(), disk) != opt::WriteState::Interrupted)
            return std::nullopt;
        return "the last write to " + file.string() + " (id " + std::to_string(writes.back().Id) +
               ") was interrupted: 1 of 2 runs hold the new bytes; File > Revert Last Write or `zedaruz-cli "
               "revert " +
               file.string() + "` puts the old ones back";
    }

    std::string journal = (dir.path() / "journal.jsonl").string();
    std::string other = (dir.path() / "other.opt").string();
    std::vector<uint8_t> disk;
    opt::VectorSink ignored;
};

TEST_F(InterruptedWriteNote, TheNewestRecordOfTheFileIsFoundPastOtherLinesAndAnyDoneMarkAfterItCounts) {
    opt::JournalDone(journal, Record(file.string(), {Data("hp0")}));
    const int64_t stopped = Record(file.string(), {Data("hp1"), Data("rs0")});
    std::fill_n(disk.begin() + Data("hp1"), 4, 0x5A);  // its first run reached the file, its second did not
    const int64_t far = Record(other, {Data("hp0")}, 200000);  // a line longer than a chunk read from the end
    opt::JournalDone(journal, far);
    opt::JournalDone(journal, stopped - 1);
    Append("{\"id\":9,\"time\":\"20");  // half-written
    ASSERT_TRUE(Note().has_value());
    EXPECT_NE(Note()->find("(id " + std::to_string(stopped) + ") was interrupted: 1 of 2 runs"),
              std::string::npos);
    EXPECT_EQ(Note(), NoteOfTheWholeJournal());
    Append("\n");
    opt::JournalDone(journal, stopped);
    EXPECT_EQ(Note(), std::nullopt);
    EXPECT_EQ(NoteOfTheWholeJournal(), std::nullopt);
}

TEST_F(InterruptedWriteNote, ADoneMarkOfARepeatedIdMarksTheEarlierRecordAsTheWholeJournalSays) {
    Record(file.string(), {Data("hp0")});
    const int64_t second = Record(file.string(), {Data("hp1"), Data("rs0")});
    std::fill_n(disk.begin() + Data("hp1"), 4, 0x5A);
    opt::JournalDone(journal, second);
    // As an earlier version could leave it: both records have id 1, and the one done mark after the
    // second marks the first, which was not marked yet.
    std::ifstream in(journal, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (size_t at; (at = text.find("{\"id\":2,")) != std::string::npos;) text.replace(at, 8, "{\"id\":1,");
    std::ofstream(journal, std::ios::binary) << text;
    ASSERT_TRUE(NoteOfTheWholeJournal().has_value());
    EXPECT_EQ(Note(), NoteOfTheWholeJournal());
}

}  // namespace
}  // namespace edit_test
