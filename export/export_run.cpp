#include "export/export_run.h"

#include <filesystem>

#include "edit/core/lookup_file.h"
#include "export/gltf_writer.h"
#include "export/obj_writer.h"
#include "export/output_files.h"
#include "model/errors.h"
#include "platform/utf8_path.h"

namespace opt {

namespace {

ExportResult Result(const ExportScene& scene, const std::string& written) {
    ExportResult r;
    r.Summary = "Wrote " + written + ": " + std::to_string(scene.Meshes()) + " meshes, " +
                std::to_string(scene.Triangles()) + " triangles, " + std::to_string(scene.Images()) +
                " textures, " + std::to_string(scene.SkippedFaces()) + " skipped faces";
    if (scene.Triangles() == 0) {
        std::string levels;
        for (const ExportLevel& level : scene.Levels)
            levels += (levels.empty() ? "" : ", ") + std::to_string(level.Lod);
        r.Warning = "Warning: no faces at level " + levels + ": the export holds no meshes";
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
    return Result(scene,
                  outPath + " (with " + mtlName + " and " + std::to_string(files.size() - 2) + " PNG files)");
}

std::vector<std::string> HardpointTypeNames(const std::string& appDataDir) {
    const std::string path = appDataDir + kHardPointsFile;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(Utf8Path(path), ec)) return {};
    try {
        return ReadLookupFile(path);
    } catch (const OptError&) {
        return {};
    }
}

}  // namespace opt
