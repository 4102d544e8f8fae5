// zedaruz-cli export-bmp and export-pals write the bytes and names of "Save Bmp" and "Save Pals".
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <memory>

#include "model/reader.h"
#include "render/core/image_export.h"
#include "render/core/texture_load.h"
#include "tests/cli/cli_run.h"

namespace {

using cli_testing::RunCli;
using cli_testing::Slurp;

struct ExportTest : ::testing::Test {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zedaruz_export_" + std::to_string(::getpid()));
    std::unique_ptr<opt::ModelStore> store = std::make_unique<opt::ModelStore>();
    void SetUp() override {
        std::filesystem::create_directories(dir);
        opt::Load(*store, DEMO_MODEL_PATH);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::vector<uint8_t> Bytes(const std::filesystem::path& p) {
        const auto s = Slurp(p);
        return {s.begin(), s.end()};
    }
};

TEST_F(ExportTest, BmpHoldsThePictureOfTheNamedTextureUnderTheSaveBmpName) {
    for (int k = 0; k < 2; ++k) {
        const std::string name = store->ttx.Unique_Names[k];
        ASSERT_FALSE(name.empty());
        const auto run = RunCli({"export-bmp", DEMO_MODEL_PATH, name, dir.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        const auto path = dir / (name + "_demo.bmp");
        EXPECT_EQ(run.out, " File saved to  " + path.string() + "\n");
        EXPECT_EQ(Bytes(path), opt::PreviewBmp(DEMO_MODEL_PATH, *store, store->ttx.Texture_Index[k]));
    }
}

TEST_F(ExportTest, PalsHoldOnePaletteOfEachUsedSlot) {
    const auto run = RunCli({"export-pals", DEMO_MODEL_PATH, dir.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, " Files saved to  " + dir.string() + "/\n");
    const int slots = opt::UsedPaletteSlots(*store);
    ASSERT_EQ(slots, 2);
    for (int j = 0; j < slots; ++j) {
        const auto bytes = Bytes(dir / (std::to_string(j) + "demo.pal"));
        const auto expected = opt::PalBytes(*store, 16 * j + opt::kSavedPaletteLevel);
        EXPECT_EQ(bytes, std::vector<uint8_t>(expected.begin(), expected.end())) << j;
    }
    EXPECT_NE(Bytes(dir / "0demo.pal"), Bytes(dir / "1demo.pal"));
    EXPECT_FALSE(std::filesystem::exists(dir / "2demo.pal"));
}

TEST_F(ExportTest, FailuresSayWhy) {
    auto run = RunCli({"export-bmp", DEMO_MODEL_PATH, "NoSuchTex", dir.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("NoSuchTex"), std::string::npos);
    const auto missing = dir / "not_made";
    run = RunCli({"export-pals", DEMO_MODEL_PATH, missing.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Cannot create file " + (missing / "0demo.pal").string() + ": the folder " +
                           missing.string() + " does not exist\n");
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(RunCli({"export-pals", DEMO_MODEL_PATH}).status, 2);
    EXPECT_EQ(RunCli({"export-bmp", "/no/such.opt", "Hull", dir.string()}).status, 1);
}

// Nothing done is never said as done: a file without palettes saves nothing and fails; a folder that
// does not exist is named, not made.
TEST_F(ExportTest, NothingSavedIsAFailureThatSaysWhy) {
    const auto empty = dir / "empty.opt";
    std::ofstream{empty};
    const auto out = dir / "out";
    std::filesystem::create_directories(out);
    auto run = RunCli({"export-pals", empty.string(), out.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nothing saved: " + empty.string() + " holds no palette\n"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(std::filesystem::is_empty(out));

    const auto lost = dir / "lost";
    run = RunCli({"export-bmp", DEMO_MODEL_PATH, "Hull", lost.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Cannot create file " + (lost / "Hull_demo.bmp").string() + ": the folder " +
                           lost.string() + " does not exist\n");
    EXPECT_FALSE(std::filesystem::exists(lost));
}

}  // namespace
