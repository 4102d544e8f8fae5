// zedaruz-cli set-hardpoints: a list of moves written as one journaled write, a bad list refused
// whole, and the journal id it prints undoing the write.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "model/reader.h"
#include "tests/cli/cli_run.h"
#include "tests/render/export_temp_dir.h"

namespace {

using cli_testing::RunCli;

void WriteText(const std::filesystem::path& p, const std::string& text) {
    opt::test::WriteBytes(p, std::vector<uint8_t>(text.begin(), text.end()));
}

TEST(SetHardpointsCommand, MovesInOneWriteRefusesABadListWholeAndTheIdRevertsIt) {
    opt::test::TempDir dir;
    const auto path = dir.path() / "ship.opt";
    std::filesystem::copy_file(DEMO_MODEL_PATH, path);
    ::setenv("ZEDARUZ_JOURNAL", (dir.path() / "journal.jsonl").c_str(), 1);
    const auto original = opt::test::ReadFileBytes(path);
    auto store = std::make_unique<opt::ModelStore>();
    opt::Load(*store, path.string());
    const auto runAt = [&](int index) { return std::to_string(store->ttbh[index].Data_Offset - 24); };

    const auto moves = dir.path() / "moves.json";
    WriteText(moves,
              R"([{"index": 0, "x": -1.5, "y": 50, "z": 0}, {"index": 5, "x": 0, "y": 30, "z": 7.25}])");
    const auto run = RunCli({"set-hardpoints", path.string(), "--json", moves.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.Lines();
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_EQ(lines[0], "Wrote 40 bytes at position " + runAt(0) + ": hardpoint 0");
    EXPECT_EQ(lines[1], "Wrote 40 bytes at position " + runAt(5) + ": hardpoint 5");
    ASSERT_EQ(lines[2].rfind("Journal id: ", 0), 0u) << lines[2];
    const std::string id = lines[2].substr(12);
    const auto listed = RunCli({"list", path.string(), "hardpoint"}).Lines();
    ASSERT_EQ(listed.size(), 6u);
    EXPECT_NE(listed[0].find("X=      -1.50      Y=      50.00      Z=       0.00"), std::string::npos);
    EXPECT_NE(listed[5].find("X=       0.00      Y=      30.00      Z=       7.25"), std::string::npos);
    const auto written = opt::test::ReadFileBytes(path);

    // One entry naming no hardpoint refuses the list read from standard input: nothing is written.
    const auto bad = dir.path() / "bad.json";
    WriteText(bad, R"([{"index": 1, "x": 0, "y": 0, "z": 0}, {"index": 99, "x": 0, "y": 0, "z": 0}])");
    const auto refused = RunCli({"set-hardpoints", path.string(), "--json", "-"}, bad.string());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("holds no hardpoint 99. Nothing was written."), std::string::npos)
        << refused.err;
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(opt::test::ReadFileBytes(path), written);
    EXPECT_EQ(RunCli({"set-hardpoints", path.string()}).status, 2);

    const auto revert = RunCli({"revert", path.string(), id});
    EXPECT_EQ(revert.status, 0) << revert.err;
    EXPECT_EQ(opt::test::ReadFileBytes(path), original);
}

}  // namespace
