#include "edit/core/texture_import.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <numeric>

#include "model/errors.h"
#include "model/reader.h"
#include "render/core/bmp_image.h"
#include "render/core/texture_load.h"
#include "render/core/texture_pixels.h"

namespace opt {

namespace {

// The record's pixel run: its first byte's file position and Width x Height, checked against the
// record's Size and the file's length.
int64_t PixelPosition(const ModelStore& store, const TextureRecord& t, const std::string& model) {
    const std::string name = "Texture " + TextureName(t);
    if (!UsableTextureSides(t)) {
        throw OptError(name + " has unusable sides (" + BmpSizeText(t) +
                       "): no picture can replace its pixels.");
    }
    const int64_t need = int64_t{t.Width} * t.Height;
    if (t.Size < need) {
        throw OptError(name + " holds " + std::to_string(t.Size) + " bytes of pixels, fewer than its " +
                       std::to_string(t.Width) + " x " + std::to_string(t.Height) +
                       " pixels need: the picture would not fit. Nothing was written.");
    }
    const int64_t position = int64_t{t.Data_Offset} + kHeaderBytes;
    const auto length = static_cast<int64_t>(store.File_Image.size());
    if (position < 0 || position > length - need) {
        throw OptError("The pixel data of " + name + " (file position " + std::to_string(position) + ", " +
                       std::to_string(need) + " bytes) lies outside " + model + " (" +
                       std::to_string(length) + " bytes). Nothing was written.");
    }
    return position;
}

// Picture errors: the import stops before anything is written.
[[noreturn]] void PictureRefused(const OptError& e) {
    throw OptError(std::string(e.what()) + " Nothing was written.");
}

}  // namespace

int ImportableTexture(const ModelStore& model, const std::string& name, int level, const std::string& file) {
    const int record = TextureRecordNamed(model, name);
    if (record < 0) throw OptError("No texture named '" + name + "' in " + file + ". Nothing was written.");
    if (level < 0 || level >= kPalettesPerSlot)
        throw OptError("The palette level must be 0 to " + std::to_string(kPalettesPerSlot - 1) + ".");
    PixelPosition(model, model.ttx.Textures[record], file);
    return record;
}

TextureImportPlan PlanTextureImport(const ModelStore& model, const TextureImportEdit& edit,
                                    const std::string& file) {
    const int record = ImportableTexture(model, edit.Texture, edit.Level, file);
    const TextureRecord& t = model.ttx.Textures[record];
    TextureImportPlan plan;
    plan.Texture = TextureName(t);
    plan.Model = file;
    plan.Position = PixelPosition(model, t, file);
    plan.LeftAfter = t.Size - int64_t{t.Width} * t.Height;
    plan.Palette = PaletteNumber(t.Palette_Set, edit.Level);
    plan.Level = edit.Level;
    try {
        // The pixels as they are: a pixel whose colour did not change keeps its index.
        const std::span<const uint8_t> current(model.File_Image.data() + plan.Position,
                                               static_cast<size_t>(t.Width) * static_cast<size_t>(t.Height));
        plan.Picture = PictureToIndices(edit.Picture, t.Width, t.Height,
                                        SetPalette(model, PreviewPaletteNumber(model, record)),
                                        SetPalette(model, plan.Palette), current);
    } catch (const OptError& e) {
        PictureRefused(e);
    }
    plan.Edit.Writes.push_back(
        {"texture " + plan.Texture + " pixels", plan.Position, plan.Picture.Indices, 0});
    return plan;
}

DecodedPicture ReadPictureFile(const std::string& path) {
    try {
        return DecodePicture(ReadWholeFile(path), path);
    } catch (const OptError& e) {
        PictureRefused(e);
    }
}

TextureImportEdit PictureFileImport(const ModelStore& model, const std::string& texture,
                                    const std::string& picture, int level, const std::string& file) {
    ImportableTexture(model, texture, level, file);
    return {texture, ReadPictureFile(picture), level};
}

std::vector<std::string> ImportReport(const TextureImportPlan& done, std::span<const PatchRun> runs) {
    std::vector<std::string> lines;
    if (done.Picture.Exact) {
        lines.push_back("Indexed picture with the texture's own palette: indices taken as they are.");
    } else {
        char distance[32];
        std::snprintf(distance, sizeof distance, "%.2f",
                      std::sqrt(static_cast<double>(done.Picture.LargestDistanceSquared)));
        lines.push_back("Mapped " + std::to_string(done.Picture.Mapped) +
                        " pixels to the nearest colours of palette " + done.Texture + ", level " +
                        std::to_string(done.Level) + "; " + std::to_string(done.Picture.Inexact) +
                        " not held exactly, largest colour distance " + distance + ".");
    }
    if (runs.empty())
        lines.push_back("Nothing written: texture " + done.Texture + " in " + done.Model +
                        " already holds these pixels.");
    for (const auto& r : runs) {
        const auto changed = std::inner_product(r.Old.begin(), r.Old.end(), r.New.begin(), size_t{0},
                                                std::plus<>(), std::not_equal_to<>());
        lines.push_back("Wrote " + std::to_string(r.New.size()) + " bytes at position " +
                        std::to_string(r.Position) + ": " + r.What + " (" + std::to_string(changed) +
                        " changed)");
    }
    if (done.LeftAfter > 0) {
        lines.push_back("The texture's Size holds " + std::to_string(done.LeftAfter) +
                        " more bytes after the first Width x Height; they were left as they are.");
    }
    return lines;
}

}  // namespace opt
