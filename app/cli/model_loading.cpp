#include "app/cli/model_loading.h"

#include <cstdio>

#include "app/cli/commands.h"
#include "app/cli/stdout_sink.h"
#include "model/errors.h"
#include "model/reader.h"

namespace cli {

int RunOnModel(const std::string& file, const std::function<int(opt::ModelStore&)>& work) {
    auto& store = opt::TheStore();
    try {
        StderrSink warnings;
        opt::VectorSink resolutions;
        opt::VectorLookupSink textures;
        opt::Load(store, file, {warnings, resolutions, textures});
        return work(store);
    } catch (const opt::OptError& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

int UsageError() {
    std::fputs(Usage().c_str(), stderr);
    return 2;
}

}  // namespace cli
