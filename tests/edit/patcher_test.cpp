// The in-place patcher: all checks before any write, never a change of length, and files that cannot
// be opened for writing left as they were.
#include "edit/core/patcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/errors.h"
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
    static PatchWrite Write(int64_t pos, std::vector<uint8_t> expected, std::vector<uint8_t> bytes) {
        return PatchWrite{"test block", pos, std::move(expected), std::move(bytes)};
    }
    std::string Error(const std::vector<PatchWrite>& writes) {
        try {
            opt::ApplyPatches(path.string(), writes);
        } catch (const opt::OptError& e) {
            return e.what();
        }
        return "";
    }
    opt::test::TempDir dir;
    std::filesystem::path path = dir.path() / "f.opt";
    std::vector<uint8_t> original;
};

TEST_F(Patcher, WritesEachRunInPlaceWhenItsExpectedBytesAreThere) {
    opt::ApplyPatches(path.string(), std::vector<PatchWrite>{Write(8, {8, 9}, {0xAA, 0xBB, 0xCC}),
                                                             Write(60, {}, {1, 2, 3, 4})});
    auto expected = original;
    expected[8] = 0xAA, expected[9] = 0xBB, expected[10] = 0xCC;
    expected[60] = 1, expected[61] = 2, expected[62] = 3, expected[63] = 4;
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST_F(Patcher, RefusesEveryWriteWhenOneRunNoLongerHoldsWhatWasRead) {
    const std::string message = Error({Write(0, {0, 1}, {7, 7}), Write(20, {20, 99}, {7, 7})});
    EXPECT_NE(message.find(path.string()), std::string::npos) << message;
    EXPECT_NE(message.find("test block"), std::string::npos) << message;
    EXPECT_NE(message.find("position 20"), std::string::npos) << message;
    EXPECT_EQ(ReadFileBytes(path), original);  // the first, matching run was not written either
}

TEST_F(Patcher, RefusesRunsThatWouldLeaveOrGrowTheFile) {
    for (int64_t pos : {int64_t{-4}, int64_t{61}, int64_t{64}, int64_t{1} << 40}) {
        EXPECT_NE(Error({Write(pos, {}, {1, 2, 3, 4})}).find("outside the file"), std::string::npos) << pos;
    }
    EXPECT_EQ(ReadFileBytes(path), original);
}

TEST_F(Patcher, FileThatCannotBeOpenedForWritingStaysAsItWas) {
    // A directory and a removed file cannot be opened for writing, whoever runs the test.
    const auto sub = dir.path() / "sub";
    std::filesystem::create_directory(sub);
    try {
        opt::ApplyPatches(sub.string(), std::vector<PatchWrite>{Write(0, {}, {1})});
        FAIL() << "a directory was opened for writing";
    } catch (const opt::OptError& e) {
        EXPECT_STREQ(e.what(), ("Cannot open file " + sub.string()).c_str());
    }
    const auto gone = dir.path() / "gone.opt";
    EXPECT_EQ(Error({}), "");  // no writes: the file is not even opened
    try {
        opt::ApplyPatches(gone.string(), std::vector<PatchWrite>{Write(0, {}, {1})});
        FAIL() << "a missing file was opened";
    } catch (const opt::OptError& e) {
        EXPECT_STREQ(e.what(), ("Cannot open file " + gone.string()).c_str());
    }
    EXPECT_FALSE(std::filesystem::exists(gone));  // never created
}

TEST_F(Patcher, ReadOnlyFileStaysAsItWas) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes through read-only permissions";
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(Error({Write(0, {0}, {9})}), "Cannot open file " + path.string());
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(ReadFileBytes(path), original);
}

}  // namespace
