// One export as the command line and the window run it: build the scene from the store, write its
// files (all or none) and say what was written.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "export/export_scene.h"
#include "model/store.h"

namespace opt {

struct ExportResult {
    // "Wrote OUT: M meshes, T triangles, I textures, S skipped faces", as the window shows it.
    std::string Summary;
    // The same with one of a kind said as one ("1 mesh", "1 PNG file"), as the command line prints it.
    std::string ExactSummary;
    // "Warning: no faces at level N: the export holds no meshes", or empty.
    std::string Warning;
};

// Writes the glTF asset (.glb, or .gltf with embedded buffer) to outPath.
// Throws OptError("Cannot create file <outPath>") when it cannot be written.
ExportResult ExportGltf(const ModelStore& store, std::span<const uint8_t> file, const ExportOptions& options,
                        const std::string& outPath);

// Writes outPath (.obj), the .mtl beside it and the textures' PNGs; only the first of options.Lods.
// Throws OptError("Cannot create file <path>") naming the file that could not be written.
ExportResult ExportObj(const ModelStore& store, std::span<const uint8_t> file, const ExportOptions& options,
                       const std::string& outPath);

// The lines of the hardpoint lookup file in appDataDir (HardPoints.txt, else Hardpoint.txt), or none
// when it cannot be read.
std::vector<std::string> HardpointTypeNames(const std::string& appDataDir);

}  // namespace opt
