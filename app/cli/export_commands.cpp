// zedaruz-cli export-bmp / export-pals: the bytes and names of the viewer's "Save Bmp" and
// "Save Pals", written into a folder of the user's choice. The folder must exist: a mistyped name is
// reported ("the folder F does not exist"), never made.
#include <cstdio>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "render/core/image_export.h"
#include "render/core/image_export_names.h"
#include "render/core/texture_load.h"

namespace cli {

int ExportBmpCommand(const Args& args) {
    if (args.size() != 3) return UsageError("export-bmp", "FILE, TEXTURE_NAME and OUT_DIR are required.");
    const std::string& file = args[0];
    const std::string& name = args[1];
    return RunOnModel(file, [&](opt::ModelStore& store) {
        const int record = opt::TextureRecordNamed(store, name);
        if (record < 0) return Failure("No texture named '" + name + "' in " + file);
        const auto bmp = opt::PreviewBmp(file, store, record);
        std::printf("%s\n", opt::SaveBmp(opt::DirWithSeparator(args[2]), name, file, bmp).c_str());
        return 0;
    });
}

int ExportPalsCommand(const Args& args) {
    if (args.size() != 2) return UsageError("export-pals", "FILE and OUT_DIR are required.");
    return RunOnModel(args[0], [&](opt::ModelStore& store) {
        if (opt::UsedPaletteSlots(store) == 0)
            return Failure("Nothing saved: " + args[0] + " holds no palette");
        std::printf("%s\n", opt::SavePals(opt::DirWithSeparator(args[1]), store, args[0]).c_str());
        return 0;
    });
}

void AddExportCommands(CLI::App& app) {
    AddWordsCommand(app, "export-bmp", "Write a texture's picture into OUT_DIR as \"Save Bmp\" does.",
                    {"FILE", "TEXTURE_NAME", "OUT_DIR"}, {}, ExportBmpCommand);
    AddWordsCommand(app, "export-pals", "Write the palettes into OUT_DIR as \"Save Pals\" does.",
                    {"FILE", "OUT_DIR"}, {}, ExportPalsCommand);
}

}  // namespace cli
