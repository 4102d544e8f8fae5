// zedaruz-cli set-hardpoints FILE --json LIST.json|-: several hardpoints moved in ONE verified,
// journaled write (the Blender add-on writes moved hardpoint empties back this way). The list is
// checked whole first; one bad entry refuses everything.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "app/cli/patch_commands.h"
#include "edit/core/hardpoint_moves.h"
#include "model/errors.h"
#include "model/reader.h"

namespace cli {

namespace {

// The list's text: the file named, or standard input for "-".
std::string ListText(const std::string& source) {
    if (source == "-") return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    const std::vector<uint8_t> bytes = opt::ReadWholeFile(source);
    return {bytes.begin(), bytes.end()};
}

}  // namespace

int SetHardpointsCommand(const Args& args) {
    return RunPatch("set-hardpoints", [&] {
        if (args.size() != 3 || args[1] != "--json") throw BadWords("FILE and --json LIST are required.");
        const opt::HardpointMovesEdit moves{opt::ParseHardpointMoves(ListText(args[2]))};
        PatchModel m(args[0]);
        const opt::AppliedEdit applied = opt::ApplyEdit(m.Store(), moves, m.Target());
        PrintWrites(applied.Runs);
        if (applied.JournalId) std::printf("Journal id: %lld\n", static_cast<long long>(*applied.JournalId));
        return 0;
    });
}

void AddSetHardpointsCommand(CLI::App& app) {
    struct Words {
        std::string file, list;
    };
    auto words = std::make_shared<Words>();
    CLI::App& cmd =
        AddCommand(app, "set-hardpoints", "Move several hardpoints in one journaled write.", [words] {
            return SetHardpointsCommand({words->file, "--json", words->list});
        });
    cmd.add_option("FILE", words->file, "the OPT file")->required();
    cmd.add_option("--json", words->list, "the list of new positions: a JSON file, or - for standard input")
        ->required()
        ->type_name("LIST");
    cmd.footer(
        "LIST is a JSON list of {\"index\": INDEX, \"x\": X, \"y\": Y, \"z\": Z} objects in file units, each "
        "optionally with \"type\": a type code. Every entry is checked before anything is written; one bad "
        "entry refuses the whole list.");
}

}  // namespace cli
