// Replacing a texture's pixels in place: a picture file turned into the texture's colour indices and
// written over the first Width x Height bytes of its pixel data (Data_Offset + 24) through the
// verified, journaled patcher. The texture keeps its size, its palette and its place in the file;
// every record that shares those bytes shows the new picture after a reload.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "edit/core/patcher.h"
#include "model/store.h"
#include "render/core/picture_indices.h"

namespace opt {

// Where the picture goes and how it was read.
struct TextureImportRequest {
    std::string ModelPath;             // the file the store was loaded from
    std::string JournalPath;           // the write journal
    int Record = -1;                   // the texture record (as the texture list picks it)
    std::string ImagePath;             // the picture file
    int Level = kPreviewPaletteLevel;  // palette level of the texture's slot that other pictures map to
};

struct TextureImportDone {
    std::string Texture;  // the record's name
    std::string Model;    // the model file
    PictureIndices Picture;
    int Palette = 0;        // the palette number pictures were mapped to
    int64_t Position = 0;   // file position of the first pixel
    int64_t LeftAfter = 0;  // bytes of the pixel data after the first level, left as they were
    std::vector<PatchRun> Runs;
};

// Reads the picture and writes it. Throws OptError, writing nothing, when the record is not a
// texture, its sides are unusable, its Size is smaller than Width x Height, its pixel data lies
// outside the file, the picture cannot be read or has another size, or the patcher refuses.
TextureImportDone ImportTexture(ModelStore& store, const TextureImportRequest& request);

// What the import did, a line each: the mapping, the bytes written, the bytes left after.
std::vector<std::string> ImportReport(const TextureImportDone& done);

}  // namespace opt
