#include "render/core/texture_load.h"

#include "render/core/bmp_image.h"

namespace opt {

namespace {

int PaletteOfRecord(const ModelStore& store, int r, int level) {
    const int32_t set = store.ttx.Textures.InRange(r) ? store.ttx.Textures[r].Palette_Set : 0;
    return PaletteNumber(set, level);
}

}  // namespace

LoadedTexture LoadTexture(const std::string& modelPath, const ModelStore& store, int r, int p) {
    LoadedTexture t;
    if (store.ttx.Textures.InRange(r)) t.Pixels = ReadTexturePixels(modelPath, store.ttx.Textures[r]);
    t.Colours = SetPalette(store, p);
    return t;
}

int UploadPaletteNumber(const ModelStore& store, int r) { return PaletteOfRecord(store, r, kGLPaletteLevel); }

int PreviewPaletteNumber(const ModelStore& store, int r) {
    return PaletteOfRecord(store, r, kPreviewPaletteLevel);
}

std::vector<TextureUploadEntry> TextureUploadList(const ModelStore& store) {
    std::vector<TextureUploadEntry> list;
    for (int k = 0; store.ttx.EntryUsed(static_cast<size_t>(k)); ++k) {
        const int32_t r = store.ttx.Texture_Index[static_cast<size_t>(k)];
        if (!store.ttx.Textures.InRange(r)) break;
        list.push_back({k, r});
    }
    return list;
}

int TextureRecordNamed(const ModelStore& store, const std::string& name) {
    for (const TextureUploadEntry& e : TextureUploadList(store))
        if (store.ttx.Unique_Names[e.GLName] == name) return e.Record;
    return -1;
}

std::vector<uint8_t> PreviewBmp(const std::string& modelPath, const ModelStore& store, int r) {
    const LoadedTexture t = LoadTexture(modelPath, store, r, PreviewPaletteNumber(store, r));
    return MakeBmp(t.Pixels, t.Colours);
}

}  // namespace opt
