// Files made from a model: glTF, OBJ, the texture pictures and palettes, as the command line makes them.
#include "zedaruz/exports.h"

#include <algorithm>

#include "api/model_data.h"
#include "export/export_run.h"
#include "platform/program_folders.h"
#include "render/core/image_export.h"
#include "render/core/image_export_names.h"
#include "render/core/palette_colours.h"
#include "render/core/texture_load.h"

namespace zedaruz {

namespace {

using Exporter = opt::ExportResult (*)(const opt::ModelStore&, std::span<const uint8_t>,
                                       const opt::ExportOptions&, const std::string&);

// The options of an export of the given levels: hardpoint type names from the program's lookup file.
opt::ExportOptions OptionsFor(const Model& model, std::vector<int32_t> levels) {
    opt::ExportOptions options;
    options.Lods = std::move(levels);
    options.SourcePath = CorePath(model.File());
    const opt::ProgramFolders folders = opt::FindProgramFolders(opt::ExecutableDir(nullptr));
    options.HardpointTypeNames = opt::HardpointTypeNames(opt::DirWithSeparator(CorePath(folders.AppData)));
    return options;
}

void Export(const Model& model, const std::filesystem::path& out, std::vector<int32_t> levels,
            Exporter exporter) {
    const opt::ModelStore& s = *model.Internal().store;
    const std::vector<int32_t> held = opt::LevelsInStore(s);
    for (int32_t level : levels)
        if (std::find(held.begin(), held.end(), level) == held.end())
            throw Error(CorePath(model.File()) + " has no level " + std::to_string(level) + ".");
    Translated([&] { exporter(s, s.File_Image, OptionsFor(model, std::move(levels)), CorePath(out)); });
}

}  // namespace

void ExportGltf(const Model& model, const std::filesystem::path& out, int level) {
    Export(model, out, {level}, &opt::ExportGltf);
}

void ExportGltfAllLevels(const Model& model, const std::filesystem::path& out) {
    Export(model, out, opt::LevelsInStore(*model.Internal().store), &opt::ExportGltf);
}

void ExportObj(const Model& model, const std::filesystem::path& out, int level) {
    Export(model, out, {level}, &opt::ExportObj);
}

std::filesystem::path ExportBmp(const Model& model, const std::string& texture,
                                const std::filesystem::path& folder) {
    return Translated([&] {
        const opt::ModelStore& s = *model.Internal().store;
        const std::string file = CorePath(model.File());
        const int record = opt::TextureRecordNamed(s, texture);
        if (record < 0) throw Error("No texture named '" + texture + "' in " + file);
        const auto bmp = opt::PreviewBmp(file, s, record);
        const std::string dir = opt::DirWithSeparator(CorePath(folder));
        opt::SaveBmp(dir, texture, file, bmp);  // its text is the window's message, not the path
        return opt::Utf8Path(dir + opt::BmpFileName(texture, file));
    });
}

std::vector<std::filesystem::path> ExportPalettes(const Model& model, const std::filesystem::path& folder) {
    return Translated([&] {
        const opt::ModelStore& s = *model.Internal().store;
        const std::string file = CorePath(model.File());
        const std::string dir = opt::DirWithSeparator(CorePath(folder));
        std::vector<std::filesystem::path> written;
        for (int j = 0; j < opt::UsedPaletteSlots(s); ++j) {
            const std::string path = dir + opt::PalFileName(j, file);
            opt::WP(path, s, opt::PaletteNumber(j, opt::kSavedPaletteLevel));
            written.push_back(opt::Utf8Path(path));
        }
        return written;
    });
}

}  // namespace zedaruz
