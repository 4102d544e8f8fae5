// What the API reports back and refuses, beyond the core: a revert's own journal id, the file an
// export of a texture wrote, the verdict on an opened model, and coordinates that are no real number.
#include <gtest/gtest.h>
#include <zedaruz/zedaruz.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "tests/render/export_temp_dir.h"

namespace {

namespace fs = std::filesystem;

class ApiReports : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = dir_.path() / "ship.opt";
        fs::copy_file(DEMO_MODEL_PATH, path_);
        options_.journal = dir_.path() / "journal.jsonl";
    }
    opt::test::TempDir dir_;
    fs::path path_;
    zedaruz::OpenOptions options_;
};

TEST_F(ApiReports, ARevertNamesItsOwnWrite) {
    zedaruz::Model model = zedaruz::Model::Open(path_, options_);
    const zedaruz::WriteReport write =
        zedaruz::Apply(model, zedaruz::SetHardpoint{1, zedaruz::Axis::Z, 9.0f});
    const zedaruz::RevertReport undone = zedaruz::Revert(path_, write.journal_id, options_.journal);
    const std::vector<zedaruz::JournalEntry> history = zedaruz::History(path_, options_.journal);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(undone.journal_id, history[0].id);
    EXPECT_EQ(history[0].reverts, write.journal_id);
    EXPECT_NE(undone.journal_id, write.journal_id);
}

TEST_F(ApiReports, ExportBmpReturnsTheFileItWrote) {
    const zedaruz::Model model = zedaruz::Model::Open(path_, options_);
    const fs::path written = zedaruz::ExportBmp(model, "Hull", dir_.path());
    EXPECT_EQ(written.parent_path(), dir_.path());
    const std::vector<uint8_t> bytes = opt::test::ReadFileBytes(written);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
}

TEST_F(ApiReports, TheVerdictOfAnOpenedModelIsTheChecks) {
    EXPECT_EQ(zedaruz::VerdictOf(zedaruz::Model::Open(path_, options_)), zedaruz::Verdict::Ok);
    std::vector<uint8_t> bytes = opt::test::ReadFileBytes(path_);
    bytes.resize(bytes.size() / 2);  // a file that ends inside its blocks
    const fs::path cut = dir_.path() / "cut.opt";
    opt::test::WriteBytes(cut, bytes);
    const zedaruz::Model damaged = zedaruz::Model::Open(cut, options_);
    EXPECT_EQ(zedaruz::VerdictOf(damaged), zedaruz::Verdict::Damaged);
    EXPECT_EQ(zedaruz::Check({cut}).at(0).verdict, zedaruz::Verdict::Damaged);
}

TEST_F(ApiReports, CoordinatesThatAreNoRealNumberAreRefusedUnwritten) {
    zedaruz::Model model = zedaruz::Model::Open(path_, options_);
    const auto before = opt::test::ReadFileBytes(path_);
    for (float bad : {std::nanf(""), std::numeric_limits<float>::infinity()}) {
        EXPECT_THROW(zedaruz::Apply(model, zedaruz::SetHardpoint{0, zedaruz::Axis::Y, bad}), zedaruz::Error);
        EXPECT_THROW(zedaruz::Apply(model, zedaruz::MoveHardpoints{{{0, 0.0f, 0.0f, -bad, std::nullopt}}}),
                     zedaruz::Error);
    }
    EXPECT_EQ(opt::test::ReadFileBytes(path_), before);
    EXPECT_TRUE(zedaruz::History(path_, options_.journal).empty());
}

}  // namespace
