// zedaruz-cli import-texture: an exported, edited picture written back into a copy of the demo model,
// journaled and revertible; a name that is not in the model writes nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "render/core/bmp_image.h"
#include "tests/cli/cli_run.h"
#include "tests/render/export_temp_dir.h"

namespace {

using cli_testing::RunCli;

TEST(ImportCommand, AnEditedExportComesBackAsOneWriteAndRevertsToTheOriginal) {
    opt::test::TempDir dir;
    const auto model = dir.path() / "demo.opt";
    std::filesystem::copy_file(DEMO_MODEL_PATH, model);
    ::setenv("ZEDARUZ_JOURNAL", (dir.path() / "journal.jsonl").c_str(), 1);
    const auto original = opt::test::ReadFileBytes(model);

    ASSERT_EQ(RunCli({"export-bmp", model.string(), "Hull", dir.path().string()}).status, 0);
    const auto bmpPath = dir.path() / "Hull_demo.bmp";
    auto bmp = opt::test::ReadFileBytes(bmpPath);
    bmp[opt::kBmpPixelOffset] ^= 0x5A;
    opt::test::WriteBytes(bmpPath, bmp);

    auto r = RunCli({"import-texture", model.string(), "Nope", bmpPath.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "No texture named 'Nope' in " + model.string() + ". Nothing was written.\n");
    EXPECT_EQ(RunCli({"import-texture", model.string(), "Hull", bmpPath.string(), "--level", "16"}).status,
              2);
    EXPECT_EQ(opt::test::ReadFileBytes(model), original);

    r = RunCli({"import-texture", model.string(), "Hull", bmpPath.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.Lines().size(), 2u) << r.out;
    EXPECT_EQ(r.Lines()[0], "Indexed picture with the texture's own palette: indices taken as they are.");
    EXPECT_EQ(r.Lines()[1], "Wrote 256 bytes at position 858: texture Hull pixels (1 changed)");
    EXPECT_NE(opt::test::ReadFileBytes(model), original);

    ASSERT_EQ(RunCli({"revert", model.string()}).status, 0);
    EXPECT_EQ(opt::test::ReadFileBytes(model), original);
}

}  // namespace
