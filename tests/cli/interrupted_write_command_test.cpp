// Every command that loads a model says that its last write was interrupted, until the revert puts
// the old bytes back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "edit/core/write_journal.h"
#include "model/reader.h"
#include "tests/cli/cli_run.h"
#include "tests/render/export_temp_dir.h"

namespace {

using cli_testing::RunCli;

TEST(InterruptedWriteCommands, ListInfoCheckAndDiffSayIt) {
    opt::test::TempDir dir;
    const auto path = (dir.path() / "ship.opt").string();
    std::filesystem::copy_file(DEMO_MODEL_PATH, path);
    const auto journal = (dir.path() / "journal.jsonl").string();
    ::setenv("ZEDARUZ_JOURNAL", journal.c_str(), 1);
    const auto original = opt::test::ReadFileBytes(path);
    // A write of two runs stopped after its first: recorded, half made, never marked done.
    std::vector<opt::PatchRun> runs;
    for (int64_t at : {int64_t{100}, int64_t{200}})
        runs.push_back({"run", at, {original.begin() + at, original.begin() + at + 4}, {1, 2, 3, 4}});
    const int64_t id =
        opt::JournalBegin(journal, path, static_cast<int64_t>(original.size()), runs, std::nullopt);
    auto halfway = original;
    std::copy(runs[0].New.begin(), runs[0].New.end(), halfway.begin() + 100);
    opt::test::WriteBytes(path, halfway);
    const std::string note = "the last write to " + path + " (id " + std::to_string(id) +
                             ") was interrupted: 1 of 2 runs hold the new bytes";

    EXPECT_EQ(RunCli({"list", path, "distances"}).out.rfind(note, 0), 0u);
    EXPECT_NE(RunCli({"info", path}).out.find("  " + note), std::string::npos);
    const auto check = RunCli({"check", path});
    EXPECT_EQ(check.status, 0);
    EXPECT_NE(check.out.find(path + ": notes: " + note), std::string::npos) << check.out;
    EXPECT_NE(RunCli({"diff", path, DEMO_MODEL_PATH}).out.find(path + ": " + note), std::string::npos);

    ASSERT_EQ(RunCli({"revert", path}).status, 0);
    EXPECT_EQ(opt::test::ReadFileBytes(path), original);
    EXPECT_EQ(RunCli({"info", path}).out.find("interrupted"), std::string::npos);
    ::unsetenv("ZEDARUZ_JOURNAL");
}

}  // namespace
