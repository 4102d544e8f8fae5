// What the API reports back: the file an export of a texture wrote, and the verdict on an opened model.
#include <gtest/gtest.h>
#include <zedaruz/zedaruz.h>

#include <filesystem>

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

}  // namespace
