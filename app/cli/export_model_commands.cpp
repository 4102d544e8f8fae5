// zedaruz-cli export-gltf / export-obj: the model at one level of detail (or, for glTF, at every
// level) as glTF 2.0 or Wavefront OBJ files. The model file itself is only read. A level is a face
// list's own position in its LOD set; a level the model does not have is a usage error, and nothing
// is written.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "app/cli/patch_commands.h"
#include "export/export_run.h"
#include "inspect/model_check.h"
#include "model/reader.h"

namespace cli {

namespace {

using ExportFunction = opt::ExportResult (*)(const opt::ModelStore&, std::span<const uint8_t>,
                                             const opt::ExportOptions&, const std::string&);

// "level 0", "levels 0–3", "levels 0, 2 and 5", "levels 0–2 and 5" (levels ascending).
std::string LevelsText(const std::vector<int32_t>& levels) {
    std::vector<std::string> runs;
    for (size_t i = 0; i < levels.size();) {
        size_t last = i;
        while (last + 1 < levels.size() && levels[last + 1] == levels[last] + 1) ++last;
        runs.push_back(std::to_string(levels[i]) + (last == i ? "" : "–" + std::to_string(levels[last])));
        i = last + 1;
    }
    std::string text = levels.size() == 1 ? "level " : "levels ";
    for (size_t k = 0; k < runs.size(); ++k)
        text += (k == 0 ? "" : k + 1 == runs.size() ? " and " : ", ") + runs[k];
    return text;
}

// The level a --lod word names, when it is a whole decimal number.
std::optional<int32_t> LevelNumber(const std::string& word) {
    int32_t level = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, level);
    if (word.empty() || stop != end || error != std::errc()) return std::nullopt;
    return level;
}

// FILE OUT [--lod N | --all-lods] (--all-lods only where allLods is true).
int RunExport(const std::string& command, const Args& args, bool allLods, ExportFunction exporter) {
    const bool all = allLods && args.size() == 3 && args[2] == "--all-lods";
    const bool lod = args.size() == 4 && args[2] == "--lod";
    if (args.size() != 2 && !all && !lod) return UsageError(command, "FILE and OUT are required.");
    const std::string& file = args[0];
    return RunOnModel(file, [&](opt::ModelStore& store) {
        if (const std::string why = opt::WhyNoModel(store); !why.empty())
            return Failure(file + " holds no model (" + why + "). Nothing written.");
        const std::vector<int32_t> levels = opt::LevelsInStore(store);
        opt::ExportOptions options;
        options.SourcePath = file;
        options.HardpointTypeNames = opt::HardpointTypeNames(ProgramAppDataDir());
        if (all) options.Lods = levels;
        if (lod) {
            const std::optional<int32_t> level = LevelNumber(args[3]);
            if (!level || std::find(levels.begin(), levels.end(), *level) == levels.end())
                return UsageError(
                    command, "There is no level '" + args[3] + "': " + file + " has " + LevelsText(levels));
            options.Lods = {*level};
        }
        const std::vector<uint8_t> bytes = opt::ReadWholeFile(file);
        const opt::ExportResult result = exporter(store, bytes, options, args[1]);
        if (!result.Warning.empty()) std::fprintf(stderr, "%s\n", result.Warning.c_str());
        std::printf("%s\n", result.ExactSummary.c_str());
        return 0;
    });
}

}  // namespace

int ExportGltfCommand(const Args& args) { return RunExport("export-gltf", args, true, &opt::ExportGltf); }

int ExportObjCommand(const Args& args) { return RunExport("export-obj", args, false, &opt::ExportObj); }

void AddModelExportCommands(CLI::App& app) {
    struct Words {
        std::string file, out, lod;
        bool allLods = false;
        const CLI::Option* lodOption = nullptr;  // given, even as an empty word, or not
    };
    // FILE OUT, then the level words as RunExport takes them.
    auto add = [&app](const char* name, const char* about, bool allLods, int (*run)(const Args&)) {
        auto words = std::make_shared<Words>();
        CLI::App& cmd = AddCommand(app, name, about, [words, run] {
            Args args{words->file, words->out};
            if (words->allLods) args.push_back("--all-lods");
            if (words->lodOption->count() > 0) args.insert(args.end(), {"--lod", words->lod});
            return run(args);
        });
        cmd.add_option("FILE", words->file, "the OPT file")->required();
        cmd.add_option("OUT", words->out, "the file to write")->required();
        CLI::Option* lod =
            cmd.add_option("--lod", words->lod, "the level of detail N (default 0)")->type_name("N");
        words->lodOption = lod;
        if (allLods)
            cmd.add_flag("--all-lods", words->allLods, "one glTF scene per level of detail")->excludes(lod);
    };
    add("export-gltf", "Write the model as glTF 2.0 (OUT.glb, or OUT.gltf: JSON with the buffer embedded).",
        true, ExportGltfCommand);
    add("export-obj", "Write the model as OBJ, with its .mtl file and the textures as PNG files beside it.",
        false, ExportObjCommand);
}

}  // namespace cli
