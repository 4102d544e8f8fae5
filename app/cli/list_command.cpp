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
    if (args.empty()) return UsageError("list", "FILE is required.");
    std::vector<const opt::ListingEntry*> chosen;
    for (size_t i = 1; i < args.size(); ++i) {
        const auto* entry = opt::FindListing(args[i]);
        if (entry == nullptr) return UsageError("list", "Unknown listing '" + args[i] + "'.");
        chosen.push_back(entry);
    }
    if (chosen.empty())
        for (const auto& entry : opt::Listings()) chosen.push_back(&entry);

    std::unique_ptr<opt::ModelStore> store;
    try {
        store = LoadModel(args[0]);
    } catch (const opt::OptError& e) {
        return Failure(e);
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
