// zedaruz-cli import-texture: a picture written over a texture's pixels in place, through the
// verified, journaled patcher ("revert" undoes it).
#include <cstdio>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "app/cli/patch_commands.h"
#include "edit/core/texture_import.h"
#include "model/errors.h"
#include "render/core/texture_load.h"

namespace cli {

int ImportTextureCommand(const Args& args) {
    return RunPatch("import-texture", [&] {
        if (args.size() != 3 && !(args.size() == 5 && args[3] == "--level"))
            throw BadWords("FILE, TEXTURE_NAME and IMAGE are required.");
        const int level = args.size() == 5 ? EntryNumber(args[4]) : opt::kPreviewPaletteLevel;
        if (level < 0 || level >= opt::kPalettesPerSlot)
            throw BadWords("The palette level must be 0 to " + std::to_string(opt::kPalettesPerSlot - 1) +
                           ".");
        PatchModel m(args[0]);
        const opt::TextureImportEdit edit =
            opt::PictureFileImport(m.Store(), args[1], args[2], level, args[0]);
        const opt::TextureImportPlan plan = opt::PlanTextureImport(m.Store(), edit, args[0]);
        const opt::AppliedEdit applied = opt::ApplyPlan(m.Store(), plan.Edit, m.Target());
        for (const auto& line : opt::ImportReport(plan, applied.Runs)) std::printf("%s\n", line.c_str());
        return 0;
    });
}

void AddImportTextureCommand(CLI::App& app) {
    struct Words {
        std::string file, name, image, level;
    };
    auto words = std::make_shared<Words>();
    CLI::App& cmd = AddCommand(app, "import-texture",
                               "Write a picture over the pixels of texture TEXTURE_NAME in place.", [words] {
                                   Args args{words->file, words->name, words->image};
                                   if (!words->level.empty())
                                       args.insert(args.end(), {"--level", words->level});
                                   return ImportTextureCommand(args);
                               });
    cmd.add_option("FILE", words->file, "the OPT file")->required();
    cmd.add_option("TEXTURE_NAME", words->name, "a name of the texture list")->required();
    cmd.add_option("IMAGE", words->image, "a .bmp or .png picture of the texture's size")->required();
    cmd.add_option("--level", words->level,
                   "the palette level a picture's colours are mapped to (default 7, as \"Save Bmp\")")
        ->type_name("N");
}

}  // namespace cli
