// The BMP image of a texture, byte for byte against hand-computed images.
#include <gtest/gtest.h>

#include <memory>

#include "export_temp_dir.h"
#include "render/core/bmp_image.h"
#include "render/core/texture_load.h"

namespace opt {
namespace {

// Colour table whose entry i is blue i, green 2i, red 255 - i.
ColourTable Ramp() {
    ColourTable t;
    for (size_t i = 0; i < 256; ++i) {
        t.BmpPalette[i * 4 + 0] = static_cast<uint8_t>(i);
        t.BmpPalette[i * 4 + 1] = static_cast<uint8_t>(2 * i);
        t.BmpPalette[i * 4 + 2] = static_cast<uint8_t>(255 - i);
    }
    return t;
}

TexturePixels Pixels(int32_t w, int32_t h) {
    TexturePixels px;
    px.Width = w;
    px.Height = h;
    for (int32_t i = 0; i < w * h; ++i) px.Indices.push_back(static_cast<uint8_t>(i + 1));
    return px;
}

TEST(ExportBmpImage, WidthTenGivesStrideTwelveWithReversedRows) {
    const std::vector<uint8_t> bmp = MakeBmp(Pixels(10, 2), Ramp());
    // clang-format off
    const std::vector<uint8_t> header = {
        'B', 'M', 0x4E, 0x04, 0, 0,   // file size 2 * 12 + 1078 = 1102
        0, 0, 0, 0,                   // reserved
        0x36, 0x04, 0, 0,             // pixels at 1078
        40, 0, 0, 0,                  // info header size
        10, 0, 0, 0,                  // width
        2, 0, 0, 0,                   // height, bottom-up
        1, 0, 8, 0,                   // planes, bits per pixel
        0, 0, 0, 0, 0, 0, 0, 0,       // compression, image size
        0, 0, 0, 0, 0, 0, 0, 0,       // resolutions
        0, 0, 0, 0, 0, 0, 0, 0,       // colours used, important colours
        0, 0, 255, 0,                 // palette entry 0: blue, green, red, 0
        1, 2, 254, 0,                 // entry 1
    };
    const std::vector<uint8_t> rows = {
        11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 0, 0,  // last stored row first
        1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 0,
    };
    // clang-format on
    ASSERT_EQ(bmp.size(), 1102u);
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin(), bmp.begin() + 62), header);
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 54 + 255 * 4, bmp.begin() + 1078),
              (std::vector<uint8_t>{255, 254, 0, 0}));
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 1078, bmp.end()), rows);
}

TEST(ExportBmpImage, WidthMultipleOfFourHasNoPadding) {
    EXPECT_EQ(BmpStride(4), 4);
    EXPECT_EQ(BmpStride(5), 8);
    EXPECT_EQ(BmpStride(10), 12);
    EXPECT_EQ(BmpStride(12), 12);
    const std::vector<uint8_t> bmp = MakeBmp(Pixels(4, 3), Ramp());
    ASSERT_EQ(bmp.size(), 1078u + 12);
    const std::vector<uint8_t> rows = {9, 10, 11, 12, 5, 6, 7, 8, 1, 2, 3, 4};
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 1078, bmp.end()), rows);
}

TEST(ExportBmpImage, NoPixelsGiveAHeaderOnlyPicture) {
    TexturePixels inconsistent = Pixels(4, 4);
    inconsistent.Indices.resize(5);  // fewer indices than the sides promise
    for (const TexturePixels& px : {TexturePixels{}, inconsistent}) {
        const std::vector<uint8_t> bmp = MakeBmp(px, Ramp());
        ASSERT_EQ(bmp.size(), 1078u);
        EXPECT_EQ(bmp[2], 0x36);
        EXPECT_EQ(bmp[3], 0x04);
        EXPECT_EQ(bmp[18], 0);  // width 0
    }
    TextureRecord t;
    t.Width = 64;
    t.Height = 32;
    EXPECT_EQ(BmpSizeText(t), "Width= 64 Height= 32");
}

TEST(ExportBmpImage, PreviewUsesLevelSevenOfTheTexturesSlotAndTheFilesPixels) {
    test::TempDir dir;
    auto s = std::make_unique<ModelStore>();
    TextureRecord& t = s->ttx.Textures[1];
    t.Data_Offset = 8;
    t.Size = 6;  // one short of 7 x 1: the last pixel is index 0
    t.Width = 7;
    t.Height = 1;
    t.Palette_Set = 1;
    s->Palettes[22][0][3] = 0xAB;  // level 6: must not be used
    s->Palettes[23][0][3] = 0xCD;  // level 7: red of entry 3
    const auto path = (dir.path() / "m.opt").string();
    std::vector<uint8_t> file(40, 0xEE);
    for (uint8_t i = 0; i < 6; ++i) file[32 + i] = static_cast<uint8_t>(i + 1);
    test::WriteBytes(path, file);

    const std::vector<uint8_t> bmp = PreviewBmp(path, *s, 1);
    ASSERT_EQ(bmp.size(), 1078u + 8);
    EXPECT_EQ(bmp[54 + 3 * 4 + 2], 0xCD);
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 1078, bmp.end()),
              (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 0, 0}));
}

}  // namespace
}  // namespace opt
