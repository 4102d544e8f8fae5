// "Save Bmp" and "Save Pals": file names, safe names from texture names, bytes and messages.
#include <gtest/gtest.h>

#include <memory>

#include "export_temp_dir.h"
#include "model/errors.h"
#include "render/core/image_export.h"
#include "render/core/image_export_names.h"

namespace opt {
namespace {

namespace fs = std::filesystem;

TEST(ExportNames, ModelNameLosesDirectoryAndExtension) {
    EXPECT_EQ(BmpFileName("TEX00001", "/data/models/ship.opt"), "TEX00001_ship.bmp");
    EXPECT_EQ(BmpFileName("TEX00001", "C:\\models\\ship.op1"), "TEX00001_ship.bmp");
    EXPECT_EQ(BmpFileName("T", "noext"), "T_noext.bmp");
    EXPECT_EQ(PalFileName(0, "/m/ship.opt"), "0ship.pal");
    EXPECT_EQ(PalFileName(7, "/m/x.y.opt"), "7x.y.pal");
    // The model's own name is kept as it is: only texture names are cleaned.
    EXPECT_EQ(PalFileName(0, "/m/schiff\xC3\xA9 v1..2.opt"), "0schiff\xC3\xA9 v1..2.pal");
    EXPECT_EQ(BmpFileName("A:B", "/m/schiff\xC3\xA9 v1..2.opt"), "A_B_schiff\xC3\xA9 v1..2.bmp");
}

TEST(ExportNames, TextureNamesCannotLeaveTheDirectory) {
    EXPECT_EQ(SafeFileNamePart("../x/..\\y"), "__x___y");
    EXPECT_EQ(SafeFileNamePart("..."), "_.");
    EXPECT_EQ(SafeFileNamePart("a:b*c?d\"e<f>g|h"), "a_b_c_d_e_f_g_h");
    EXPECT_EQ(SafeFileNamePart(std::string("a\tb\x01\x7F\xE9", 6)), "a_b___");
    EXPECT_EQ(SafeFileNamePart("TEX.001"), "TEX.001");

    test::TempDir dir;
    const std::vector<uint8_t> bytes = {1, 2, 3};
    for (const char* name : {"../x/..\\y", "..", "/abs", "..\\..\\z"}) {
        const std::string msg = SaveBmp(dir.WithSeparator(), name, "/m/ship.opt", bytes);
        const std::string file = msg.substr(msg.find_last_of("/\\") + 1);  // after either separator
        EXPECT_TRUE(fs::exists(dir.path() / file)) << name;
        EXPECT_EQ(file.find(".."), std::string::npos) << file;
    }
    // Only the four files above were made, all inside the directory.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 4);
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / "y_ship.bmp"));
}

TEST(ExportSaveBmp, WritesTheBytesAndQuotesTheFullPath) {
    test::TempDir dir;
    const std::vector<uint8_t> bytes = {'B', 'M', 9, 8, 7};
    const std::string msg = SaveBmp(dir.WithSeparator(), "TEX00001", "/m/ship.opt", bytes);
    EXPECT_EQ(msg, " File saved to  " + dir.WithSeparator() + "TEX00001_ship.bmp");
    EXPECT_EQ(test::ReadFileBytes(dir.path() / "TEX00001_ship.bmp"), bytes);

    // A directory given without its separator gets one.
    EXPECT_EQ(SaveBmp(dir.path().string(), "T", "s.opt", bytes),
              " File saved to  " + dir.WithSeparator() + "T_s.bmp");

    const std::string missing = dir.WithSeparator() + "no/";
    try {
        SaveBmp(missing, "TEX00001", "/m/ship.opt", bytes);
        FAIL() << "no error for a missing directory";
    } catch (const OptError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + missing + "TEX00001_ship.bmp");
    }
}

void FillSlot(ModelStore& s, int slot) {
    s.Palette_Slots[slot] = 1000 + slot;
    for (int level = 0; level < kPalettesPerSlot; ++level) {
        const int p = slot * kPalettesPerSlot + level;
        for (int i = 0; i < kPaletteEntries; ++i) {
            s.Palettes[p][0][i] = static_cast<uint8_t>(p);
            s.Palettes[p][1][i] = static_cast<uint8_t>(i);
            s.Palettes[p][2][i] = static_cast<uint8_t>(255 - i);
        }
    }
}

TEST(ExportPal, PlanarBytesOfOnePalette) {
    auto s = std::make_unique<ModelStore>();
    s->Palettes[5][0][0] = 10;
    s->Palettes[5][0][255] = 11;
    s->Palettes[5][1][0] = 20;
    s->Palettes[5][2][255] = 31;
    const auto pal = PalBytes(*s, 5);
    EXPECT_EQ(pal[0], 10);
    EXPECT_EQ(pal[255], 11);
    EXPECT_EQ(pal[256], 20);
    EXPECT_EQ(pal[767], 31);

    test::TempDir dir;
    const auto path = (dir.path() / "p.pal").string();
    test::WriteBytes(path, std::vector<uint8_t>(2000, 0xFF));  // replaced whole
    WP(path, *s, 5);
    const auto bytes = test::ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 768u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), pal.begin()));
}

TEST(ExportPal, EachFileHoldsLevelSixOfItsOwnSlot) {
    test::TempDir dir;
    auto s = std::make_unique<ModelStore>();
    for (int slot = 0; slot < 3; ++slot) FillSlot(*s, slot);
    FillSlot(*s, 4);  // after the free slot 3: not counted
    EXPECT_EQ(UsedPaletteSlots(*s), 3);
    EXPECT_EQ(SavePals(dir.WithSeparator(), *s, "/m/ship.opt"), " Files saved to  " + dir.WithSeparator());
    for (int j = 0; j < 3; ++j) {
        const auto bytes = test::ReadFileBytes(dir.path() / (std::to_string(j) + "ship.pal"));
        ASSERT_EQ(bytes.size(), 768u);
        EXPECT_EQ(bytes[0], 16 * j + kSavedPaletteLevel) << j;
        EXPECT_EQ(bytes[256 + 9], 9);
        EXPECT_EQ(bytes[512 + 9], 246);
    }
    EXPECT_FALSE(fs::exists(dir.path() / "3ship.pal"));
}

TEST(ExportPal, AllSlotsGiveEightFilesFreeSlotZeroGivesNone) {
    test::TempDir dir;
    auto s = std::make_unique<ModelStore>();
    EXPECT_EQ(SavePals(dir.WithSeparator(), *s, "ship.opt"), " Files saved to  " + dir.WithSeparator());
    EXPECT_TRUE(fs::is_empty(dir.path()));

    for (int slot = 0; slot < kPaletteSlots; ++slot) FillSlot(*s, slot);
    SavePals(dir.WithSeparator(), *s, "ship.opt");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 8);
    EXPECT_EQ(test::ReadFileBytes(dir.path() / "7ship.pal")[0], 16 * 7 + 6);
}

TEST(ExportPal, CannotCreateStopsWithTheFullPath) {
    test::TempDir dir;
    auto s = std::make_unique<ModelStore>();
    FillSlot(*s, 0);
    FillSlot(*s, 1);
    // The name of file 1 is taken by a directory: file 0 is written, then the save stops.
    fs::create_directory(dir.path() / "1ship.pal");
    const std::string full = dir.WithSeparator() + "1ship.pal";
    try {
        SavePals(dir.WithSeparator(), *s, "ship.opt");
        FAIL() << "no error";
    } catch (const OptError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + full);
    }
    EXPECT_EQ(test::ReadFileBytes(dir.path() / "0ship.pal").size(), 768u);
}

}  // namespace
}  // namespace opt
