// The identity that tells a model file unchanged on disk since its load: size and modification time.
#include "platform/file_identity.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

using namespace opt;

namespace {

std::string TempFile(const char* name, const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

}  // namespace

TEST(FileIdentity, SameSizeAndTimeIsUnchangedAndEitherDifferenceIsAChange) {
    const std::string path = TempFile("zedaruz_identity.opt", "abcd");
    const auto taken = IdentityOf(path);
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->Size, 4u);
    EXPECT_TRUE(UnchangedSince(path, taken));

    // Other bytes of the same length, with the time put back: taken for unchanged, by design.
    std::ofstream(path, std::ios::binary) << "wxyz";
    std::filesystem::last_write_time(path, taken->Modified);
    EXPECT_TRUE(UnchangedSince(path, taken));

    // Only the time moves.
    std::filesystem::last_write_time(path, taken->Modified + std::chrono::seconds(1));
    EXPECT_FALSE(UnchangedSince(path, taken));

    // Only the size changes.
    std::ofstream(path, std::ios::binary) << "abcde";
    std::filesystem::last_write_time(path, taken->Modified);
    EXPECT_FALSE(UnchangedSince(path, taken));

    std::filesystem::remove(path);
    EXPECT_FALSE(UnchangedSince(path, taken));
}

TEST(FileIdentity, NothingTakenOrNoRegularFileIsNeverUnchanged) {
    const std::string dir = std::filesystem::temp_directory_path().string();
    EXPECT_FALSE(IdentityOf(dir).has_value());
    EXPECT_FALSE(IdentityOf(dir + "/zedaruz_no_such_file.opt").has_value());
    const std::string path = TempFile("zedaruz_identity_none.opt", "x");
    EXPECT_FALSE(UnchangedSince(path, std::nullopt));
    std::filesystem::remove(path);
}
