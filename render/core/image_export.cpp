#include "render/core/image_export.h"

#include "platform/output_files.h"
#include "render/core/image_export_names.h"
#include "render/core/palette_colours.h"

namespace opt {

std::array<uint8_t, kPalFileBytes> PalBytes(const ModelStore& store, int p) {
    std::array<uint8_t, kPalFileBytes> out{};
    if (p < 0 || p >= static_cast<int>(store.Palettes.size())) return out;
    for (size_t plane = 0; plane < 3; ++plane)
        for (size_t i = 0; i < kPaletteEntries; ++i)
            out[plane * kPaletteEntries + i] = store.Palettes[static_cast<size_t>(p)][plane][i];
    return out;
}

void WriteFileBytes(const std::string& path, std::span<const uint8_t> bytes) { WriteOutputFile(path, bytes); }

void WP(const std::string& path, const ModelStore& store, int p) { WriteFileBytes(path, PalBytes(store, p)); }

std::string SaveBmp(const std::string& saveDataDir, const std::string& entryText,
                    const std::string& modelPath, std::span<const uint8_t> bmp) {
    const std::string path = DirWithSeparator(saveDataDir) + BmpFileName(entryText, modelPath);
    WriteFileBytes(path, bmp);
    return " File saved to  " + path;
}

int UsedPaletteSlots(const ModelStore& store) {
    const auto& slots = store.Palette_Slots;
    for (size_t k = 0; k < slots.size(); ++k)
        if (slots[k] == 0) return static_cast<int>(k);
    return static_cast<int>(slots.size());
}

std::string SavePals(const std::string& saveDataDir, const ModelStore& store, const std::string& modelPath) {
    const std::string dir = DirWithSeparator(saveDataDir);
    const int n = UsedPaletteSlots(store);
    for (int j = 0; j < n; ++j)
        WP(dir + PalFileName(j, modelPath), store, PaletteNumber(j, kSavedPaletteLevel));
    return " Files saved to  " + dir;
}

}  // namespace opt
