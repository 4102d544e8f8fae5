// "Save Bmp" and "Save Pals": write the texture picture and the palettes into SaveDataDir and
// return the message to show. Files are created or replaced whole, as every file the program writes
// (platform/output_files.h); a file that cannot be created raises OptError("Cannot create file
// <full path>") and stops the save there.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/store.h"

namespace opt {

// A .pal file: one palette as 256 red, 256 green, 256 blue bytes, no header.
inline constexpr int kPalFileBytes = kPaletteEntries * 3;
// Level of the palette that "Save Pals" writes for each used slot: file j holds palette 16 * j + 6,
// the colours the GL view shows for that slot's textures.
inline constexpr int kSavedPaletteLevel = 6;

// Palette p of the store in .pal layout (all zero for a number outside the store).
std::array<uint8_t, kPalFileBytes> PalBytes(const ModelStore& store, int p);

// Writes bytes to the file at path, replacing it (WriteOutputFile).
void WriteFileBytes(const std::string& path, std::span<const uint8_t> bytes);

// WP: writes palette p of the store as a .pal file at path.
void WP(const std::string& path, const ModelStore& store, int p);

// "Save Bmp" for the selected entry of the texture list (call only when an entry is selected):
// writes the picture bytes (MakeBmp / PreviewBmp) to SaveDataDir + BmpFileName and returns
// " File saved to  " + SaveDataDir + name.
std::string SaveBmp(const std::string& saveDataDir, const std::string& entryText,
                    const std::string& modelPath, std::span<const uint8_t> bmp);

// Used palette slots: the position of the first Palette_Slots entry that is 0, or 8.
int UsedPaletteSlots(const ModelStore& store);

// "Save Pals": for j = 0 .. used slots - 1 writes palette 16 * j + kSavedPaletteLevel to
// SaveDataDir + PalFileName(j); returns " Files saved to  " + SaveDataDir (also when none is used).
std::string SavePals(const std::string& saveDataDir, const ModelStore& store, const std::string& modelPath);

}  // namespace opt
