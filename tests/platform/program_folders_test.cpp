// Where SaveData and AppData live: beside the program when the portable marker lies there, else
// under the XDG data home; never decided by write permission.
#include "platform/program_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class ProgramFoldersTest : public ::testing::Test {
protected:
    ProgramFoldersTest() {
        fs::remove_all(root);
        fs::create_directories(exeDir);
    }
    ~ProgramFoldersTest() override { fs::remove_all(root); }
    const fs::path root = fs::temp_directory_path() / ("zedaruz_folders_" + std::to_string(::getpid()));
    const fs::path exeDir = root / "bin";
};

TEST_F(ProgramFoldersTest, MarkerKeepsBothFoldersBesideTheProgram) {
    std::ofstream(exeDir / opt::kPortableMarker).put('\n');
    const auto f = opt::FindProgramFolders(exeDir, "/data", "/home/u");
    EXPECT_TRUE(f.Portable);
    EXPECT_EQ(f.SaveData, exeDir / "SaveData");
    EXPECT_EQ(f.AppData, exeDir / "AppData");
}

TEST_F(ProgramFoldersTest, WithoutMarkerTheXdgDataHomeIsUsedEvenWhereTheProgramCouldWrite) {
    // exeDir is writable and empty: that alone never makes the program portable.
    auto f = opt::FindProgramFolders(exeDir, "/data", "/home/u");
    EXPECT_FALSE(f.Portable);
    EXPECT_EQ(f.SaveData, fs::path("/data/zedaruz/SaveData"));
    EXPECT_EQ(f.AppData, fs::path("/data/zedaruz/AppData"));
    // Unset or relative XDG_DATA_HOME: the default under the home folder.
    EXPECT_EQ(opt::FindProgramFolders(exeDir, nullptr, "/home/u").AppData,
              fs::path("/home/u/.local/share/zedaruz/AppData"));
    EXPECT_EQ(opt::FindProgramFolders(exeDir, "rel/data", "/home/u").SaveData,
              fs::path("/home/u/.local/share/zedaruz/SaveData"));
    // A folder named like the marker does not count.
    fs::create_directory(exeDir / opt::kPortableMarker);
    EXPECT_FALSE(opt::FindProgramFolders(exeDir, "/data", "/home/u").Portable);
}

TEST_F(ProgramFoldersTest, EnsureFolderCreatesParentsAndSaysWhetherItWasThere) {
    const fs::path dir = root / "share" / "zedaruz" / "AppData";
    EXPECT_FALSE(opt::EnsureFolder(dir));
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_TRUE(opt::EnsureFolder(dir));
}

void SetPath(const std::string& value) {
#if defined(_WIN32)
    ::_putenv_s("PATH", value.c_str());
#else
    ::setenv("PATH", value.c_str(), 1);
#endif
}

TEST_F(ProgramFoldersTest, ExecutableDirComesFromTheSystemElseFromArgv0AsTheShellFoundIt) {
#if defined(_WIN32)
    // The module's own path: the folder that holds this test program.
    EXPECT_TRUE(fs::is_regular_file(opt::ExecutableDir("ignored") / "platform_tests.exe"));
#else
    EXPECT_EQ(opt::ExecutableDir("ignored"), fs::read_symlink("/proc/self/exe").parent_path());
#endif
    std::ofstream(exeDir / "zedaruz-cli").put('\n');
    EXPECT_EQ(opt::ExecutableDirFromArgv0((exeDir / "zedaruz-cli").string()), fs::canonical(exeDir));
    const std::string path = std::getenv("PATH");
    SetPath("/nonexistent" + std::string(1, opt::kPathListSeparator) + exeDir.string());
    const fs::path found = opt::ExecutableDirFromArgv0("zedaruz-cli");
    SetPath(path);
    EXPECT_EQ(found, fs::canonical(exeDir));
}

}  // namespace
