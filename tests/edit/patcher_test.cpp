// The in-place patcher: every replaced byte checked against the file image and the disk before any
// write, never a change of length, and files that cannot be opened for writing left as they were.
#include "edit/core/patcher.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "model/errors.h"
#include "platform/native_file.h"
#include "tests/render/export_temp_dir.h"

namespace {

using opt::PatchWrite;
using opt::test::ReadFileBytes;

class Patcher : public ::testing::Test {
protected:
    Patcher() {
        for (int i = 0; i < 64; ++i) original.push_back(static_cast<uint8_t>(i));
        opt::test::WriteBytes(path, original);
    }
    static PatchWrite Write(int64_t pos, std::vector<uint8_t> bytes, std::string block = "test block") {
        return PatchWrite{std::move(block), pos, std::move(bytes)};
    }
    std::vector<opt::PatchRun> Apply(const std::vector<PatchWrite>& writes, const std::filesystem::path& p) {
        return opt::ApplyPatches({p.string(), image, "", true, std::nullopt}, writes).Runs;
    }
    std::string Error(const std::vector<PatchWrite>& writes, const std::filesystem::path& p) {
        try {
            Apply(writes, p);
        } catch (const opt::OptError& e) {
            return e.what();
        }
        return "";
    }
    std::string Error(const std::vector<PatchWrite>& writes) { return Error(writes, path); }
    opt::test::TempDir dir;
    std::filesystem::path path = dir.path() / "f.opt";
    std::vector<uint8_t> original;
    std::vector<uint8_t> image = original;  // set in the body, once original is filled
};

TEST_F(Patcher, WritesTheRunsThatChangeBytesAndTakesThemIntoTheImage) {
    image = original;
    const auto runs =
        Apply({Write(8, {0xAA, 0xBB, 0xCC}), Write(60, {1, 2, 3, 4}), Write(30, {30, 31})}, path);
    auto expected = original;
    expected[8] = 0xAA, expected[9] = 0xBB, expected[10] = 0xCC;
    expected[60] = 1, expected[61] = 2, expected[62] = 3, expected[63] = 4;
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(image, expected);
    ASSERT_EQ(runs.size(), 2u);  // the run at 30 changes nothing: not written
    EXPECT_EQ(runs[0].Old, (std::vector<uint8_t>{8, 9, 10}));
}

TEST_F(Patcher, RefusesEveryWriteWhenAReplacedByteChangedOnDiskSinceTheLoad) {
    image = original;
    auto changed = original;
    changed[23] = 99;  // the payload, not the first bytes of the run
    opt::test::WriteBytes(path, changed);
    const std::string message = Error({Write(0, {7, 7}), Write(20, {7, 7, 7, 7, 7})});
    EXPECT_NE(message.find(path.string()), std::string::npos) << message;
    EXPECT_NE(message.find("test block"), std::string::npos) << message;
    EXPECT_NE(message.find("position 20"), std::string::npos) << message;
    EXPECT_EQ(ReadFileBytes(path), changed);  // the first, matching run was not written either
    EXPECT_EQ(image, original);
}

TEST_F(Patcher, RunsThatShareBytesMustAgreeOnThem) {
    image = original;
    // Two records of one block: the same bytes twice are one write.
    EXPECT_EQ(Apply({Write(4, {9, 9}, "a"), Write(4, {9, 9}, "b")}, path).size(), 1u);
    const std::string message =
        Error({Write(10, {1, 2, 3}, "mesh descriptor 0"), Write(11, {2, 5}, "mesh descriptor 1")});
    EXPECT_NE(message.find("mesh descriptor 0 and mesh descriptor 1"), std::string::npos) << message;
    EXPECT_NE(message.find("position 12"), std::string::npos) << message;
    EXPECT_EQ(ReadFileBytes(path)[10], 10);
}

TEST_F(Patcher, RefusesRunsThatWouldLeaveOrGrowTheFile) {
    image = original;
    for (int64_t pos : {int64_t{-4}, int64_t{61}, int64_t{64}, int64_t{1} << 40}) {
        EXPECT_NE(Error({Write(pos, {1, 2, 3, 4})}).find("outside the file"), std::string::npos) << pos;
    }
    EXPECT_EQ(ReadFileBytes(path), original);
}

TEST_F(Patcher, FileThatCannotBeOpenedForWritingStaysAsItWas) {
    // A directory and a removed file cannot be opened for writing, whoever runs the test.
    image = original;
    const auto sub = dir.path() / "sub";
    std::filesystem::create_directory(sub);
    EXPECT_EQ(Error({Write(0, {1})}, sub), "Cannot open file " + sub.string());
    const auto gone = dir.path() / "gone.opt";
    EXPECT_EQ(Error({}, gone), "");               // no writes: the file is not even opened
    EXPECT_EQ(Error({Write(0, {0})}, gone), "");  // nor when no byte changes
    EXPECT_EQ(Error({Write(0, {1})}, gone), "Cannot open file " + gone.string());
    EXPECT_FALSE(std::filesystem::exists(gone));  // never created
    try {  // the system's reason goes beside the message (the command line prints both)
        Apply({Write(0, {1})}, gone);
        ADD_FAILURE() << "no error";
    } catch (const opt::OptError& e) {
        EXPECT_EQ(e.Reason(), "no such file or directory");
    }
}

TEST_F(Patcher, ReadOnlyFileStaysAsItWas) {
    using std::filesystem::perms;
    const perms readable = perms::owner_read | perms::group_read | perms::others_read;
    std::filesystem::permissions(path, readable);  // Windows: the read-only attribute
    if (std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out)) {
        std::filesystem::permissions(path, readable | perms::owner_write);
        GTEST_SKIP() << "this user writes through read-only permissions (root, also under Wine)";
    }
    image = original;
    EXPECT_EQ(Error({Write(0, {9})}), "Cannot open file " + path.string());
    std::filesystem::permissions(path, readable | perms::owner_write);
    EXPECT_EQ(ReadFileBytes(path), original);
}

TEST_F(Patcher, WaitsWhileAnotherProgramWritesTheFileAndGivesUpAfterItsWait) {
    image = original;
    const std::string journal = (dir.path() / "journal.jsonl").string();
    opt::NativeFile other(path.string(), opt::NativeFile::Mode::ReadWrite);
    ASSERT_EQ(other.LockExclusiveWithin(std::chrono::milliseconds{0}), opt::NativeFile::LockResult::Locked);
    opt::PatchTarget target{path.string(), image,        journal,
                            true,          std::nullopt, std::chrono::milliseconds{100}};
    const std::vector<PatchWrite> writes{Write(8, {1})};
    try {
        opt::ApplyPatches(target, writes);
        ADD_FAILURE() << "written while locked";
    } catch (const opt::OptError& e) {
        EXPECT_EQ(std::string(e.what()), path.string() + " is being written by another program");
    }
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_FALSE(std::filesystem::exists(journal));  // not even recorded
    // The other program ends its write while this one waits.
    target.LockWait = std::chrono::seconds{10};
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds{50});
        other.Close();
    });
    EXPECT_EQ(opt::ApplyPatches(target, writes).Runs.size(), 1u);
    release.join();
    EXPECT_EQ(ReadFileBytes(path)[8], 1);
}

}  // namespace
