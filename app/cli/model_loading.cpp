#include "app/cli/model_loading.h"

#include "app/cli/commands.h"
#include "app/cli/patch_commands.h"
#include "app/cli/stdout_sink.h"
#include "edit/core/journal_history.h"
#include "model/errors.h"
#include "model/reader.h"

namespace cli {

opt::TableLimits& ChosenTableLimits() {
    // One setting of the command line's run, made before the command's work starts.
    static opt::TableLimits limits = opt::TableLimits::Grown();
    return limits;
}

std::unique_ptr<opt::ModelStore> NewStore() {
    auto store = std::make_unique<opt::ModelStore>();
    store->Limits = ChosenTableLimits();
    return store;
}

std::unique_ptr<opt::ModelStore> LoadModel(const std::string& file) {
    auto store = NewStore();
    opt::Load(*store, file);
    // A write to this file that a crash interrupted is said with the reader's warnings.
    if (auto note = opt::InterruptedWriteNote(file, store->File_Image, ProgramJournal()))
        store->Warnings.push_back(*note);
    return store;
}

void PrintWarnings(const opt::ModelStore& store, std::FILE* stream) {
    StreamSink sink(stream);
    for (const auto& line : store.Warnings) sink.AddLine(line);
}

int RunOnModel(const std::string& file, const std::function<int(opt::ModelStore&)>& work) {
    try {
        const auto store = LoadModel(file);
        PrintWarnings(*store, stderr);
        return work(*store);
    } catch (const opt::OptError& e) {
        return Failure(e);
    }
}

int Failure(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

int Failure(const opt::OptError& error) { return Failure(error.WithReason()); }

}  // namespace cli
