#include "export/export_run.h"

#include <filesystem>

#include "edit/core/lookup_file.h"
#include "export/gltf_writer.h"
#include "export/obj_writer.h"
#include "model/errors.h"
#include "platform/output_files.h"
#include "platform/utf8_path.h"

namespace opt {

namespace {

// How a summary says counts: as the window has always said them ("1 skipped faces"), or in correct
// English for one of a kind ("1 skipped face"), as the command line says them.
enum class Wording { kWindow, kExact };

std::string Count(int n, const char* one, const char* many, Wording w) {
    return std::to_string(n) + " " + (n == 1 && w == Wording::kExact ? one : many);
}

// The faces part of the summary: "S skipped faces" as long as every kept face had all its records;
// otherwise each kind of face that lacked something, and the skipped ones with their reason.
std::string FacesText(const ExportFaceCounts& n, Wording w) {
    if (n.WithoutTexCoords == 0 && n.ComputedNormals == 0)
        return Count(n.Skipped(), "skipped face", "skipped faces", w);
    std::vector<std::string> parts;
    if (n.WithoutTexCoords > 0)
        parts.push_back(Count(n.WithoutTexCoords, "face", "faces", w) + " without texture coordinates");
    if (n.ComputedNormals > 0)
        parts.push_back(parts.empty()
                            ? Count(n.ComputedNormals, "face", "faces", w) + " with computed normals"
                            : std::to_string(n.ComputedNormals) + " with computed normals");
    std::vector<std::string> why;
    if (n.SkippedOutside > 0) why.push_back("vertex index outside its mesh");
    if (n.SkippedNotFinite > 0) why.push_back("position not finite");
    if (why.size() == 2) {
        why = {std::to_string(n.SkippedOutside) + " " + why[0] + ", " + std::to_string(n.SkippedNotFinite) +
               " " + why[1]};
    }
    if (!why.empty()) parts.push_back(std::to_string(n.Skipped()) + " skipped: " + why[0]);
    std::string text;
    for (const std::string& p : parts) text += (text.empty() ? "" : ", ") + p;
    return text;
}

// "Wrote OUT: ..." for the files written: OUT alone, or an OBJ with its .mtl and PNG files.
std::string SummaryText(const ExportScene& scene, const std::string& outPath, const std::string& mtlName,
                        int pngs, Wording w) {
    const std::string written = mtlName.empty() ? outPath
                                                : outPath + " (with " + mtlName + " and " +
                                                      Count(pngs, "PNG file", "PNG files", w) + ")";
    return "Wrote " + written + ": " + Count(scene.Meshes(), "mesh", "meshes", w) + ", " +
           Count(scene.Triangles(), "triangle", "triangles", w) + ", " +
           Count(scene.Images(), "texture", "textures", w) + ", " + FacesText(scene.FaceCounts(), w);
}

ExportResult Result(const ExportScene& scene, const std::string& outPath, const std::string& mtlName = "",
                    int pngs = 0) {
    ExportResult r;
    r.Summary = SummaryText(scene, outPath, mtlName, pngs, Wording::kWindow);
    r.ExactSummary = SummaryText(scene, outPath, mtlName, pngs, Wording::kExact);
    if (scene.Triangles() == 0) {
        std::string levels;
        for (const ExportLevel& level : scene.Levels)
            levels += (levels.empty() ? "" : ", ") + std::to_string(level.Lod);
        // "no faces" only when the levels hold none; faces that were all skipped are named as such.
        r.Warning =
            scene.FaceCounts().Skipped() == 0
                ? "Warning: no faces at level " + levels + ": the export holds no meshes"
                : "Warning: every face at level " + levels + " was skipped: the export holds no meshes";
    }
    return r;
}

}  // namespace

ExportResult ExportGltf(const ModelStore& store, std::span<const uint8_t> file, const ExportOptions& options,
                        const std::string& outPath) {
    const ExportScene scene = BuildExportScene(store, file, options);
    WriteOutputFiles({{outPath, {}, [&](std::ostream& out) { WriteGltf(scene, GltfFormOf(outPath), out); }}});
    return Result(scene, outPath);
}

ExportResult ExportObj(const ModelStore& store, std::span<const uint8_t> file, const ExportOptions& options,
                       const std::string& outPath) {
    ExportOptions one = options;
    one.Lods.resize(1, 0);
    const ExportScene scene = BuildExportScene(store, file, one);
    const std::vector<OutputFile> files = ObjFiles(scene, outPath);
    WriteOutputFiles(files);
    const std::string mtlName = Utf8Text(Utf8Path(files[1].Path).filename());
    return Result(scene, outPath, mtlName, static_cast<int>(files.size()) - 2);
}

std::vector<std::string> HardpointTypeNames(const std::string& appDataDir) {
    const std::string path = LookupFilePath(appDataDir, TypeLookup::kHardpoint);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(Utf8Path(path), ec)) return {};
    try {
        return ReadLookupFile(path);
    } catch (const OptError&) {
        return {};
    }
}

}  // namespace opt
