#include "app/cli/model_loading.h"

#include <cstdio>

#include "app/cli/commands.h"
#include "app/cli/patch_commands.h"
#include "app/cli/stdout_sink.h"
#include "edit/core/journal_history.h"
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
        if (auto note = opt::InterruptedWriteNote(file, store.File_Image, ProgramJournal()))
            warnings.AddLine(*note);
        return work(store);
    } catch (const opt::OptError& e) {
        return Failure(e.what());
    }
}

int Failure(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

int UsageError() {
    std::fputs(Usage().c_str(), stderr);
    return 2;
}

}  // namespace cli
