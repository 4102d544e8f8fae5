// Loading from disk where systems differ: file names with non-ASCII letters (narrow names are read
// in the ANSI code page on Windows), and files too long for the format's 32-bit positions.
#include <filesystem>
#include <fstream>

#include "model/errors.h"
#include "platform/utf8_path.h"
#include "tests/model/reader_fixture.h"

namespace opt::testing {
namespace {

namespace fs = std::filesystem;

class ReaderFileTest : public ReaderTest {
protected:
    ReaderFileTest() { fs::create_directories(dir); }
    ~ReaderFileTest() override { fs::remove_all(dir); }
    const fs::path dir = fs::temp_directory_path() / "zedaruz_reader_file";
};

TEST_F(ReaderFileTest, AModelNamedInUtf8LoadsAndItsNameIsKept) {
    const std::string name = Utf8Text(dir / Utf8Path("schiff\xC3\xA9 \xE8\x88\xB9.opt"));
    optb::write_file(Utf8Path(name), optb::build(OneMeshModel()).bytes);
    Load(*store, name);
    EXPECT_EQ(store->tvx[0].Count, 4);
    EXPECT_TRUE(fs::is_regular_file(dir / fs::path(u8"schiff\u00E9 \u8239.opt")));
}

TEST_F(ReaderFileTest, AFileLongerThan2GiBIsRefusedBeforeAnyByteIsRead) {
    // Sparse: only the length is set, and the refusal looks at nothing else.
    const fs::path big = dir / "big.opt";
    std::ofstream(big, std::ios::binary).put('\0');
    fs::resize_file(big, (uintmax_t{1} << 31) + 1);
    try {
        Load(*store, Utf8Text(big));
        FAIL() << "no error";
    } catch (const OptError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file " + Utf8Text(big) +
                      ": it is 2147483649 bytes long, and an OPT file's 32-bit positions reach only "
                      "2147483647 bytes (2 GiB)");
    }
    EXPECT_TRUE(store->File_Image.empty());
}

// The window shows the message as it always was; the reason goes beside it for the command line.
TEST_F(ReaderFileTest, AFileThatCannotBeOpenedKeepsTheSystemsReasonBesideItsMessage) {
    const std::string missing = Utf8Text(dir / "missing.opt");
    for (const auto& [path, reason] :
         {std::pair{missing, "no such file or directory"}, std::pair{Utf8Text(dir), "is a directory"}}) {
        try {
            Load(*store, path);
            ADD_FAILURE() << path;
        } catch (const OptError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
            EXPECT_EQ(e.WithReason(), "Cannot open file " + path + ": " + reason);
        }
    }
}

}  // namespace
}  // namespace opt::testing
