// zedaruz-cli import-texture: a picture written over a texture's pixels in place, through the
// verified, journaled patcher ("revert" undoes it).
#include <cstdio>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "app/cli/patch_commands.h"
#include "edit/core/texture_import.h"
#include "render/core/texture_load.h"

namespace cli {

int ImportTextureCommand(const Args& args) {
    if (args.size() != 3 && !(args.size() == 5 && args[3] == "--level")) return UsageError();
    const int level = args.size() == 5 ? EntryNumber(args[4]) : opt::kPreviewPaletteLevel;
    if (level < 0 || level >= opt::kPalettesPerSlot) {
        std::fprintf(stderr, "The palette level must be 0 to %d.\n", opt::kPalettesPerSlot - 1);
        return 2;
    }
    const std::string& file = args[0];
    return RunOnModel(file, [&](opt::ModelStore& store) {
        const int record = opt::TextureRecordNamed(store, args[1]);
        if (record < 0)
            return Failure("No texture named '" + args[1] + "' in " + file + ". Nothing was written.");
        const auto done = opt::ImportTexture(store, {file, ProgramJournal(), record, args[2], level});
        for (const auto& line : opt::ImportReport(done)) std::printf("%s\n", line.c_str());
        return 0;
    });
}

}  // namespace cli
