#include "app/cli/model_loading.h"

#include "app/cli/command_line.h"
#include "app/cli/commands.h"
#include "app/cli/stdout_sink.h"
#include "edit/core/journaled_load.h"
#include "edit/core/write_journal.h"
#include "model/errors.h"
#include "render/core/image_export_names.h"

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

std::string ProgramAppDataDir() { return opt::DirWithSeparator(ProgramFolders().AppData.string()); }

std::string ProgramJournal() { return opt::JournalFilePath(ProgramFolders().SaveData.string()); }

std::unique_ptr<opt::ModelStore> LoadModel(const std::string& file) {
    auto store = NewStore();
    opt::LoadNotingInterruptedWrite(*store, file, ProgramJournal());
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
