// One texture ready for the GL upload or the control panel's picture: its indices read from the
// model file and the colour tables of the palette chosen for it.
//
// The GL painter's UploadTextures: for each entry of TextureUploadList(store), in order:
//   t = LoadTexture(modelPath, store, entry.Record, UploadPaletteNumber(store, entry.Record));
//   glBindTexture(GL_TEXTURE_2D, entry.GLName); wrap S and T = GL_CLAMP; mag and min filter =
//   GL_NEAREST; GL_UNPACK_ALIGNMENT = 1; with GL_EXT_paletted_texture: glTexImage2D(
//   GL_COLOR_INDEX8_EXT, t.Pixels.Width, t.Pixels.Height, GL_COLOR_INDEX, GL_UNSIGNED_BYTE, indices)
//   and glColorTableEXT(GL_RGB8, 256, GL_RGB, GL_UNSIGNED_BYTE, t.Colours.GLPalette); without it:
//   glTexImage2D(GL_RGB8, ..., GL_RGB, GL_UNSIGNED_BYTE, ExpandToRgb8(indices, t.Colours));
//   GL_TEXTURE_ENV_MODE = GL_DECAL; skip the image when the pixels are 0 x 0.
// then glDisable(GL_TEXTURE_1D), glEnable(GL_TEXTURE_2D); selection.SelectedTexture = the
// last record uploaded. DeleteTextures deletes the names 0 .. view.TexListLast.
#pragma once

#include <string>
#include <vector>

#include "model/store.h"
#include "render/core/palette_colours.h"
#include "render/core/texture_pixels.h"

namespace opt {

struct LoadedTexture {
    TexturePixels Pixels;
    ColourTable Colours;
};

// Pixels of texture record r (read from the file by name) and the colour tables of palette p.
// A record number outside the texture table gives no pixels. Throws OptError("Cannot open file
// <path>") when the file cannot be opened.
LoadedTexture LoadTexture(const std::string& modelPath, const ModelStore& store, int r, int p);

// Palette of record r for the GL upload (level 6 of its slot) and for the picture (level 7).
int UploadPaletteNumber(const ModelStore& store, int r);
int PreviewPaletteNumber(const ModelStore& store, int r);

// Entry k of the texture list and the GL texture name it is uploaded under.
struct TextureUploadEntry {
    int GLName;  // k, from 0
    int Record;  // Texture_Index[k]
};
// The texture list's entries in order, up to the first unused one; an index outside the texture
// table also ends the list.
std::vector<TextureUploadEntry> TextureUploadList(const ModelStore& store);

// The texture record the texture list shows under this name (the record its name was first read
// from), or -1 when no entry has the name or its record lies outside the texture table.
int TextureRecordNamed(const ModelStore& store, const std::string& name);

// The control panel's picture of texture record r: LoadTexture at the picture's palette, as a BMP.
std::vector<uint8_t> PreviewBmp(const std::string& modelPath, const ModelStore& store, int r);

}  // namespace opt
