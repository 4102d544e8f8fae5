// Texture pixels from file bytes, colour tables and the upload list.
#include "render/core/texture_pixels.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

#include "export_temp_dir.h"
#include "model/errors.h"
#include "render/core/palette_colours.h"
#include "render/core/texture_load.h"

namespace opt {
namespace {

TextureRecord Texture(int32_t dataOffset, int32_t size, int32_t w, int32_t h) {
    TextureRecord t;
    t.Type = kTexture;
    t.Data_Offset = dataOffset;
    t.Size = size;
    t.Width = w;
    t.Height = h;
    return t;
}

// A file of n bytes whose byte i is (i % 251) + 1, so no pixel read from it is 0.
std::vector<uint8_t> NumberedFile(size_t n) {
    std::vector<uint8_t> f(n);
    for (size_t i = 0; i < n; ++i) f[i] = static_cast<uint8_t>(i % 251 + 1);
    return f;
}

TEST(TexturePixelFetch, PixelsStartAfterTheHeaderAtDataOffset) {
    const auto file = NumberedFile(200);
    const TexturePixels px = FetchTexturePixels(file, Texture(10, 8, 4, 2));
    ASSERT_EQ(px.Width, 4);
    ASSERT_EQ(px.Height, 2);
    const std::vector<uint8_t> want(file.begin() + 34, file.begin() + 42);
    EXPECT_EQ(px.Indices, want);
}

TEST(TexturePixelFetch, SizeSmallerThanWidthTimesHeightLeavesIndexZero) {
    const auto file = NumberedFile(200);
    const TexturePixels px = FetchTexturePixels(file, Texture(0, 5, 4, 2));
    ASSERT_EQ(px.Indices.size(), 8u);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(px.Indices[i], file[24 + i]);
    for (size_t i = 5; i < 8; ++i) EXPECT_EQ(px.Indices[i], 0) << i;

    // No Size at all, or a negative one: every pixel is 0.
    for (int32_t size : {0, -7}) {
        const TexturePixels none = FetchTexturePixels(file, Texture(0, size, 4, 2));
        EXPECT_EQ(none.Indices, std::vector<uint8_t>(8, 0));
    }
}

TEST(TexturePixelFetch, NeverReadsPastTheFile) {
    const auto file = NumberedFile(30);
    // Pixels would start at 26: four bytes are there, the rest is missing.
    const TexturePixels px = FetchTexturePixels(file, Texture(2, 64, 8, 8));
    ASSERT_EQ(px.Indices.size(), 64u);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(px.Indices[i], file[26 + i]);
    for (size_t i = 4; i < 64; ++i) EXPECT_EQ(px.Indices[i], 0);

    for (int32_t offset : {-24 - 1, 30, INT32_MAX}) {
        const TexturePixels outside = FetchTexturePixels(file, Texture(offset, 64, 8, 8));
        EXPECT_EQ(outside.Indices, std::vector<uint8_t>(64, 0)) << offset;
    }
}

TEST(TexturePixelFetch, UnusableSidesGiveNoPixels) {
    const auto file = NumberedFile(100);
    for (auto [w, h] : {std::pair{0, 4}, {4, -1}, {kMaxTextureSide + 1, 1}, {1, INT32_MAX}}) {
        const TexturePixels px = FetchTexturePixels(file, Texture(0, 64, w, h));
        EXPECT_EQ(px.Width, 0);
        EXPECT_EQ(px.Height, 0);
        EXPECT_TRUE(px.Indices.empty());
    }
}

TEST(TexturePixelFetch, FromTheFileByNameLikeFromMemory) {
    test::TempDir dir;
    const auto file = NumberedFile(60);
    const auto path = (dir.path() / "m.opt").string();
    test::WriteBytes(path, file);
    for (const TextureRecord& t : {Texture(4, 16, 4, 4), Texture(4, 10, 4, 4), Texture(20, 64, 8, 8)}) {
        EXPECT_EQ(ReadTexturePixels(path, t).Indices, FetchTexturePixels(file, t).Indices);
    }
    const std::string missing = (dir.path() / "gone.opt").string();
    try {
        ReadTexturePixels(missing, Texture(0, 4, 2, 2));
        FAIL() << "no error for a missing file";
    } catch (const OptError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
    }
}

void FillPalette(ModelStore& s, int p) {
    for (int i = 0; i < kPaletteEntries; ++i) {
        s.Palettes[p][0][i] = static_cast<uint8_t>(i);
        s.Palettes[p][1][i] = static_cast<uint8_t>(255 - i);
        s.Palettes[p][2][i] = static_cast<uint8_t>(i ^ 0x55);
    }
}

TEST(TexturePalette, ColourTablesInGLAndBmpOrder) {
    auto s = std::make_unique<ModelStore>();
    EXPECT_EQ(PaletteNumber(2, kGLPaletteLevel), 38);
    EXPECT_EQ(PaletteNumber(2, kPreviewPaletteLevel), 39);
    FillPalette(*s, 38);
    const ColourTable t = SetPalette(*s, 38);
    // Entry 1: red 1, green 254, blue 0x54.
    EXPECT_EQ(t.GLPalette[3], 1);
    EXPECT_EQ(t.GLPalette[4], 254);
    EXPECT_EQ(t.GLPalette[5], 0x54);
    EXPECT_EQ(t.BmpPalette[4], 0x54);
    EXPECT_EQ(t.BmpPalette[5], 254);
    EXPECT_EQ(t.BmpPalette[6], 1);
    EXPECT_EQ(t.BmpPalette[7], 0);
    EXPECT_EQ(t.BmpPalette[255 * 4 + 2], 255);

    // Palette numbers outside the store: black, nothing read outside it.
    for (int p : {-1, kPalettes}) {
        const ColourTable black = SetPalette(*s, p);
        EXPECT_EQ(std::accumulate(black.GLPalette.begin(), black.GLPalette.end(), 0), 0);
    }
}

TEST(TexturePalette, CpuExpansionShowsTheColourOfEachIndex) {
    auto s = std::make_unique<ModelStore>();
    FillPalette(*s, 6);
    const ColourTable t = SetPalette(*s, 6);
    const std::vector<uint8_t> indices = {0, 1, 255, 0x80};
    const std::vector<uint8_t> rgb = ExpandToRgb8(indices, t);
    const std::vector<uint8_t> want = {0, 255, 0x55, 1, 254, 0x54, 255, 0, 0xAA, 0x80, 0x7F, 0xD5};
    EXPECT_EQ(rgb, want);
}

TEST(TextureUploadListing, EntryKGetsNameKAndStopsAtUnsetIndex) {
    auto s = std::make_unique<ModelStore>();
    EXPECT_TRUE(TextureUploadList(*s).empty());
    s->ttx.Texture_Index[0] = 0;
    s->ttx.Texture_Index[1] = 2;  // a repeated name: the record runs ahead of the entry
    s->ttx.Texture_Index[3] = 5;  // after the unset entry 2: not listed
    const auto list = TextureUploadList(*s);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].GLName, 0);
    EXPECT_EQ(list[0].Record, 0);
    EXPECT_EQ(list[1].GLName, 1);
    EXPECT_EQ(list[1].Record, 2);

    for (int k = 0; k < kMaxUniqueNames; ++k) s->ttx.Texture_Index[k] = k;
    EXPECT_EQ(TextureUploadList(*s).size(), 150u);
    s->ttx.Texture_Index[7] = 150;  // outside the table ends the list
    EXPECT_EQ(TextureUploadList(*s).size(), 7u);
}

TEST(TextureUploadListing, UploadAndPreviewUseLevelsSixAndSevenOfTheSlot) {
    auto s = std::make_unique<ModelStore>();
    s->ttx.Textures[4].Palette_Set = 3;
    EXPECT_EQ(UploadPaletteNumber(*s, 4), 54);
    EXPECT_EQ(PreviewPaletteNumber(*s, 4), 55);
}

}  // namespace
}  // namespace opt
