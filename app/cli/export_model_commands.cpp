// zedaruz-cli export-gltf / export-obj: the model at one level of detail (or, for glTF, at every
// level) as glTF 2.0 or Wavefront OBJ files. The model file itself is only read.
#include <cstdio>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "app/cli/patch_commands.h"
#include "export/export_run.h"
#include "model/reader.h"
#include "render/core/frame_resolution.h"

namespace cli {

namespace {

using ExportFunction = opt::ExportResult (*)(const opt::ModelStore&, std::span<const uint8_t>,
                                             const opt::ExportOptions&, const std::string&);

// FILE OUT [--lod N | --all-lods] (--all-lods only where allLods is true).
int RunExport(const Args& args, bool allLods, ExportFunction exporter) {
    if (args.size() < 2) return UsageError();
    const bool all = allLods && args.size() == 3 && args[2] == "--all-lods";
    const bool lod = args.size() == 4 && args[2] == "--lod";
    if (args.size() != 2 && !all && !lod) return UsageError();
    return RunOnModel(args[0], [&](opt::ModelStore& store) {
        opt::ExportOptions options;
        options.SourcePath = args[0];
        options.HardpointTypeNames = opt::HardpointTypeNames(ProgramAppDataDir());
        if (all) options.Lods = opt::LevelsInStore(store);
        if (lod) options.Lods = {opt::ResolutionValue(args[3])};
        const std::vector<uint8_t> file = opt::ReadWholeFile(args[0]);
        const opt::ExportResult result = exporter(store, file, options, args[1]);
        if (!result.Warning.empty()) std::fprintf(stderr, "%s\n", result.Warning.c_str());
        std::printf("%s\n", result.Summary.c_str());
        return 0;
    });
}

}  // namespace

int ExportGltfCommand(const Args& args) { return RunExport(args, true, &opt::ExportGltf); }

int ExportObjCommand(const Args& args) { return RunExport(args, false, &opt::ExportObj); }

void AddModelExportCommands(CLI::App& app) {
    struct Words {
        std::string file, out, lod;
        bool allLods = false;
    };
    // FILE OUT, then the level words as RunExport takes them.
    auto add = [&app](const char* name, const char* about, bool allLods, int (*run)(const Args&)) {
        auto words = std::make_shared<Words>();
        CLI::App& cmd = AddCommand(app, name, about, [words, run] {
            Args args{words->file, words->out};
            if (words->allLods) args.push_back("--all-lods");
            if (!words->lod.empty()) args.insert(args.end(), {"--lod", words->lod});
            return run(args);
        });
        cmd.add_option("FILE", words->file, "the OPT file")->required();
        cmd.add_option("OUT", words->out, "the file to write")->required();
        CLI::Option* lod = cmd.add_option("--lod", words->lod, "the level of detail N (default 0)");
        if (allLods)
            cmd.add_flag("--all-lods", words->allLods, "one glTF scene per level of detail")->excludes(lod);
    };
    add("export-gltf", "The model as glTF 2.0 (OUT.glb; OUT.gltf: JSON with embedded buffers).", true,
        ExportGltfCommand);
    add("export-obj", "The model as OBJ with its .mtl and the textures as PNG files beside it.", false,
        ExportObjCommand);
}

}  // namespace cli
