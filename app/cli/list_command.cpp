// zedaruz-cli list FILE [NAME...]: the reader's listing-box lines, then each named listing.
#include <cstdio>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "app/cli/stdout_sink.h"
#include "listings/registry.h"
#include "model/errors.h"

namespace cli {

int ListCommand(const Args& args) {
    if (args.empty()) {
        std::fputs(Usage().c_str(), stderr);
        return 2;
    }
    std::vector<const opt::ListingEntry*> chosen;
    for (size_t i = 1; i < args.size(); ++i) {
        const auto* entry = opt::FindListing(args[i]);
        if (entry == nullptr) {
            std::fprintf(stderr, "Unknown listing '%s'.\n%s", args[i].c_str(), Usage().c_str());
            return 2;
        }
        chosen.push_back(entry);
    }
    if (chosen.empty())
        for (const auto& entry : opt::Listings()) chosen.push_back(&entry);

    std::unique_ptr<opt::ModelStore> store;
    try {
        store = LoadModel(args[0]);
    } catch (const opt::OptError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    PrintWarnings(*store, stdout);
    StdoutSink out;
    for (const auto* entry : chosen) entry->run(*store, out);
    return 0;
}

void AddListCommand(CLI::App& app) {
    AddWordsCommand(app, "list", "Print the reader's notes, then the named listings (all when none).",
                    {"FILE"}, {"NAME..."}, ListCommand)
        .footer(ListingNames());
}

}  // namespace cli
