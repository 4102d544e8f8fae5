// Writing a file the program makes: through a symbolic link to the file it names, and never over
// something that is not a regular file.
#include "platform/output_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "model/errors.h"
#include "tests/render/export_temp_dir.h"

namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
std::vector<uint8_t> Bytes(const char* text) { return {text, text + std::char_traits<char>::length(text)}; }

std::vector<fs::path> Listing(const fs::path& dir) {
    std::vector<fs::path> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}
#endif

TEST(OutputFiles, ALinkIsWrittenThroughAndAnythingButARegularFileIsRefused) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links and named pipes are POSIX";
#else
    const opt::test::TempDir dir;
    fs::create_directories(dir.path() / "links");
    fs::create_directories(dir.path() / "files");
    opt::test::WriteBytes(dir.path() / "files" / "ship.glb", Bytes("old"));
    // A relative link in another folder, and a link to a link.
    fs::create_symlink("../files/ship.glb", dir.path() / "links" / "ship.glb");
    fs::create_symlink("ship.glb", dir.path() / "links" / "again.glb");

    opt::WriteOutputFile((dir.path() / "links" / "again.glb").string(), Bytes("new"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "links" / "again.glb"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "links" / "ship.glb"));
    EXPECT_EQ(opt::test::ReadFileBytes(dir.path() / "files" / "ship.glb"), Bytes("new"));
    EXPECT_EQ(Listing(dir.path() / "links"), (std::vector<fs::path>{"again.glb", "ship.glb"}));
    EXPECT_EQ(Listing(dir.path() / "files"), std::vector<fs::path>{"ship.glb"});

    // A named pipe in the place of one file of an export: refused before any file is written.
    const fs::path pipe = dir.path() / "files" / "ship.mtl";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string obj = (dir.path() / "files" / "ship.obj").string();
    try {
        opt::WriteOutputFiles({{obj, Bytes("o")}, {pipe.string(), Bytes("m")}});
        ADD_FAILURE() << "no error";
    } catch (const opt::OptError& e) {
        EXPECT_EQ(std::string(e.what()), pipe.string() + " is not a regular file");
    }
    EXPECT_EQ(fs::symlink_status(pipe).type(), fs::file_type::fifo);
    EXPECT_EQ(Listing(dir.path() / "files"), (std::vector<fs::path>{"ship.glb", "ship.mtl"}));
#endif
}

// Beside "Cannot create file PATH" (the window's text), the reason: a missing folder is named, never
// made; a folder in the file's place is said as such.
TEST(OutputFiles, AFileThatCannotBeMadeSaysWhy) {
    const opt::test::TempDir dir;
    auto failure = [](const fs::path& p) -> std::string {
        try {
            opt::WriteOutputFile(p.string(), {});
        } catch (const opt::OptError& e) {
            return e.WithReason();
        }
        return "written";
    };
    const fs::path lost = dir.path() / "not_made";
    EXPECT_EQ(failure(lost / "a.bmp"), "Cannot create file " + (lost / "a.bmp").string() + ": the folder " +
                                           lost.string() + " does not exist");
    EXPECT_FALSE(fs::exists(lost));
    fs::create_directories(lost);
    EXPECT_EQ(failure(lost), "Cannot create file " + lost.string() + ": it is a folder");
}

}  // namespace
