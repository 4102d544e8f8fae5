// Importing a picture over a texture's pixels: an exported picture comes back exactly, other
// pictures map to the nearest palette colours, only the first Width x Height pixel bytes change, and
// every refusal leaves the file as it was.
#include "edit/core/texture_import.h"

#include <stb/stb_image_write.h>

#include <algorithm>
#include <iterator>

#include "edit/core/edit_plan.h"
#include "edit/core/journal_history.h"
#include "model_file_fixture.h"
#include "render/core/bmp_image.h"
#include "render/core/texture_load.h"

namespace edit_test {
namespace {

constexpr int32_t kW = 5, kH = 3;  // a width that is not a multiple of 4: BMP rows are padded

optb::Texture Hull(std::optional<int32_t> size = std::nullopt) {
    std::vector<uint8_t> pixels(kW * kH);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7 + 1);
    if (size) pixels.resize(static_cast<size_t>(std::max(*size, kW * kH)), 0xEE);
    return optb::Texture{
        .name = "HULL", .width = kW, .height = kH, .pixels = pixels, .size = size, .label = "tex"};
}

// An import planned and applied: what the report says of it, and the runs it wrote.
struct TextureImportDone : opt::TextureImportPlan {
    std::vector<opt::PatchRun> Runs;
};

class TextureImport : public ModelFileFixture {
protected:
    // A model of the texture and a second record of the same block (a repeated name).
    void OpenWith(optb::Texture texture, optb::PaletteBlock palette = optb::PaletteBlock::ramp(0)) {
        optb::Model m;
        m.entries.push_back(std::move(texture));
        m.entries.push_back(optb::Ref{"tex"});
        m.palettes.push_back(std::move(palette));
        Open(m);
        original = Disk();
    }
    void SetUp() override { OpenWith(Hull()); }

    int64_t Pixel(int row, int col) const { return Data("tex") + row * kW + col; }
    TextureImportDone Import(const std::vector<uint8_t>& picture, int level = opt::kPreviewPaletteLevel) {
        const auto image = dir.path() / "picture";
        opt::test::WriteBytes(image, picture);
        const opt::TextureImportEdit edit{"HULL", opt::ReadPictureFile(image.string()), level};
        TextureImportDone done{opt::PlanTextureImport(*store, edit, file.string()), {}};
        done.Runs = opt::ApplyPlan(*store, done.Edit, {file.string(), journal, true, nullptr}).Runs;
        return done;
    }
    std::string Refusal(const std::vector<uint8_t>& picture) {
        try {
            Import(picture);
        } catch (const opt::OptError& e) {
            EXPECT_EQ(Disk(), original);
            return e.what();
        }
        ADD_FAILURE() << "the import was not refused";
        return "";
    }
    std::vector<uint8_t> Exported() { return opt::PreviewBmp(file.string(), *store, 0); }
    // A true-colour PNG of w x h pixels, every pixel the given colour.
    static std::vector<uint8_t> Png(int w, int h, std::array<uint8_t, 3> colour) {
        std::vector<uint8_t> rgb;
        for (int i = 0; i < w * h; ++i) rgb.insert(rgb.end(), colour.begin(), colour.end());
        return PngOf(w, h, rgb);
    }
    // A true-colour PNG of w x h pixels from their RGB bytes, top row first.
    static std::vector<uint8_t> PngOf(int w, int h, const std::vector<uint8_t>& rgb) {
        std::vector<uint8_t> png;
        stbi_write_png_to_func(
            [](void* out, void* data, int n) {
                auto* bytes = static_cast<uint8_t*>(data);
                static_cast<std::vector<uint8_t>*>(out)->insert(
                    static_cast<std::vector<uint8_t>*>(out)->end(), bytes, bytes + n);
            },
            &png, w, h, 3, rgb.data(), w * 3);
        return png;
    }

    std::string journal = (dir.path() / "journal.jsonl").string();
    std::vector<uint8_t> original;
};

TEST_F(TextureImport, AnEditedExportChangesExactlyTheEditedPixelBytesAndIsRevertible) {
    ASSERT_EQ(store->ttx.Textures[0].Data_Offset, store->ttx.Textures[1].Data_Offset);
    auto bmp = Exported();
    // BMP rows are bottom-up: picture row r is file row kH - 1 - r.
    auto at = [&](int row, int col) -> uint8_t& {
        return bmp[opt::kBmpPixelOffset + (kH - 1 - row) * opt::BmpStride(kW) + col];
    };
    at(0, 0) = 200;
    at(2, 4) = 3;  // the ramp's dark entries repeat one colour: the index itself must survive
    const auto done = Import(bmp);
    EXPECT_TRUE(done.Picture.Exact);
    auto expected = original;
    expected[Pixel(0, 0)] = 200;
    expected[Pixel(2, 4)] = 3;
    EXPECT_EQ(Disk(), expected);
    EXPECT_EQ(store->File_Image, expected);

    // Both records of the block read the new pixels after a reload.
    opt::Load(*store, file.string());
    for (int r = 0; r < 2; ++r)
        EXPECT_EQ(opt::ReadTexturePixels(file.string(), store->ttx.Textures[r]).Indices[0], 200);

    opt::VectorSink warnings;
    opt::RevertWrite(file.string(), journal, std::nullopt, warnings);
    EXPECT_EQ(Disk(), original);
}

TEST_F(TextureImport, TrueColourMapsToTheNearestColourLowestIndexOnTies) {
    const opt::ColourTable level6 = opt::SetPalette(*store, 6);
    const uint8_t* c = &level6.GLPalette[200 * 3];
    int lowest = 0;
    while (!std::equal(c, c + 3, &level6.GLPalette[lowest * 3])) ++lowest;
    const auto done = Import(Png(kW, kH, {c[0], c[1], static_cast<uint8_t>(c[2] ^ 1)}), 6);
    EXPECT_FALSE(done.Picture.Exact);
    EXPECT_EQ(done.Picture.Mapped, kW * kH);
    EXPECT_EQ(done.Picture.LargestDistanceSquared, 1);
    const auto disk = Disk();
    for (int i = 0; i < kW * kH; ++i) EXPECT_EQ(disk[Pixel(0, 0) + i], lowest) << i;
}

// The glTF export's picture (level 6) of a texture whose palette holds its colour at a lower entry
// too: brought back unchanged it writes nothing, and an edited pixel is the only one mapped.
TEST_F(TextureImport, PixelsOfUnchangedColourKeepTheirIndexOnlyChangedOnesAreMapped) {
    optb::PaletteBlock palette = optb::PaletteBlock::ramp(0);
    const size_t level6 = size_t{6} * opt::kPaletteEntries;
    palette.colours[level6 + 1] = palette.colours[level6 + 2];  // entry 0 is black too
    ASSERT_NE(palette.colours[level6 + 2], palette.colours[level6 + 200]);
    OpenWith(optb::Texture{.name = "HULL",
                           .width = kW,
                           .height = kH,
                           .pixels = std::vector<uint8_t>(kW * kH, 2),
                           .label = "tex"},
             palette);
    const opt::ColourTable colours = opt::SetPalette(*store, 6);
    auto colour = [&](int e) {
        const auto first = colours.GLPalette.begin() + e * 3;
        return std::vector<uint8_t>(first, first + 3);
    };
    std::vector<uint8_t> rgb;
    for (int i = 0; i < kW * kH; ++i) std::ranges::copy(colour(2), std::back_inserter(rgb));

    const auto same = Import(PngOf(kW, kH, rgb), 6);
    EXPECT_TRUE(same.Runs.empty());
    EXPECT_EQ(Disk(), original);
    EXPECT_EQ(opt::ImportReport(same, same.Runs).back(),
              "Nothing written: texture HULL in " + file.string() + " already holds these pixels.");

    std::ranges::copy(colour(200), rgb.begin() + 3 * (kW + 1));  // pixel (1, 1)
    Import(PngOf(kW, kH, rgb), 6);
    int nearest = 0;
    while (colour(nearest) != colour(200)) ++nearest;
    auto expected = original;
    expected[Pixel(1, 1)] = static_cast<uint8_t>(nearest);
    EXPECT_EQ(Disk(), expected);
}

TEST_F(TextureImport, WrongSizesAndUnreadablePicturesAreRefusedWithoutWriting) {
    EXPECT_NE(Refusal(Png(kW + 1, kH, {1, 2, 3})).find("is 6 x 3 pixels; the texture is 5 x 3"),
              std::string::npos);
    EXPECT_NE(Refusal({'n', 'o', 't'}).find("is not a picture that can be read"), std::string::npos);
    auto bmp = Exported();
    bmp.resize(bmp.size() - kW - 4);
    EXPECT_NE(Refusal(bmp).find("is truncated"), std::string::npos);
    // A crafted header: a side beyond 8192 is refused from the header alone.
    auto huge = Exported();
    huge[18] = 0x01, huge[19] = 0x24, huge[20] = 0, huge[21] = 0;  // width 9217
    EXPECT_NE(Refusal(huge).find("a side must be 1 to 8192"), std::string::npos);
    auto png = Png(kW, kH, {1, 2, 3});
    png[16] = 0, png[17] = 0, png[18] = 0x30, png[19] = 0;  // PNG IHDR width 12288
    EXPECT_NE(Refusal(png).find("a side must be 1 to 8192"), std::string::npos);
}

TEST_F(TextureImport, APictureWhosePixelsAreNotAsManyAsItsSidesSayIsRefused) {
    opt::DecodedPicture picture{"in memory", kW, kH, false, {}, {}, std::vector<uint8_t>(kW * kH * 3 - 3, 7)};
    try {
        opt::PlanTextureImport(*store, {"HULL", picture}, file.string());
        ADD_FAILURE() << "planned";
    } catch (const opt::OptError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "in memory does not hold the 5 x 3 pixels its sides name. Nothing was written.");
    }
}

TEST_F(TextureImport, ASizeBelowThePictureIsRefusedALargerOneKeepsItsTail) {
    OpenWith(Hull(kW * kH - 1));
    EXPECT_NE(Refusal(Exported()).find("the picture would not fit"), std::string::npos);

    OpenWith(Hull(kW * kH + 6));
    auto bmp = Exported();
    bmp[opt::kBmpPixelOffset] = 99;  // bottom-left pixel: row kH - 1, column 0
    const auto done = Import(bmp);
    EXPECT_EQ(done.LeftAfter, 6);
    auto expected = original;
    expected[Pixel(kH - 1, 0)] = 99;
    EXPECT_EQ(Disk(), expected);
}

TEST_F(TextureImport, PixelDataOutsideTheFileIsRefused) {
    store->ttx.Textures[0].Data_Offset = static_cast<int32_t>(store->File_Image.size()) - 30;
    EXPECT_NE(Refusal(Exported()).find("lies outside"), std::string::npos);
}

}  // namespace
}  // namespace edit_test
