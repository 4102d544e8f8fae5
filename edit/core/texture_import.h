// Replacing a texture's pixels in place (zedaruz-cli import-texture, the control panel's Load Bmp):
// a picture turned into the texture's colour indices and written over the first Width x Height bytes
// of its pixel data (Data_Offset + 24) through the verified, journaled patcher. The texture keeps its size,
// its palette and its place in the file; every record that shares those bytes shows the new picture after a
// reload.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "edit/core/edit_plan.h"
#include "model/store.h"
#include "render/core/picture_indices.h"

namespace opt {

// A picture written over the pixels of the texture of that name.
struct TextureImportEdit {
    std::string Texture;  // a name of the texture list
    DecodedPicture Picture;
    int Level = kPreviewPaletteLevel;  // palette level of the texture's slot that other pictures map to
};

// The import planned: its one run, and what the report says of it.
struct TextureImportPlan {
    EditPlan Edit;
    std::string Texture;  // the record's name
    std::string Model;    // the model file
    PictureIndices Picture;
    int Palette = 0;        // the palette number pictures were mapped to
    int Level = 0;          // its level in the texture's palette slot
    int64_t Position = 0;   // file position of the first pixel
    int64_t LeftAfter = 0;  // bytes of the pixel data after the first level, left as they are
};

// The texture record of that name whose pixels a picture can replace (`file` names the model in
// messages). Throws OptError when no texture has the name, the level is not 0..15, the record's
// sides are unusable, its Size is smaller than Width x Height or its pixel data lies outside the file.
int ImportableTexture(const ModelStore& model, const std::string& name, int level, const std::string& file);

// Maps the picture onto the texture's pixels. Throws OptError, planning nothing, as
// ImportableTexture does, and when the picture has another size (ending "Nothing was written.").
TextureImportPlan PlanTextureImport(const ModelStore& model, const TextureImportEdit& edit,
                                    const std::string& file);

// The picture file read and decoded; throws OptError ending "Nothing was written." when it cannot be.
DecodedPicture ReadPictureFile(const std::string& path);

// The import of a picture file over the texture of that name: the texture checked (ImportableTexture)
// before the picture is read (ReadPictureFile).
TextureImportEdit PictureFileImport(const ModelStore& model, const std::string& texture,
                                    const std::string& picture, int level, const std::string& file);

// What the import did, a line each: the mapping, the bytes written (runs: the applied runs), the
// bytes left after.
std::vector<std::string> ImportReport(const TextureImportPlan& plan, std::span<const PatchRun> runs);

}  // namespace opt
