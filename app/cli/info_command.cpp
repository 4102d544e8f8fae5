// zedaruz-cli info FILE [--json]: the model in short, or whole as one JSON document. A file that holds
// no model (too short, no top-level entry, no mesh that could be read) fails, saying why.
#include <cstdio>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/json_output.h"
#include "app/cli/model_loading.h"
#include "inspect/model_check.h"
#include "inspect/model_summary.h"
#include "model/errors.h"

namespace cli {

namespace {

int InfoCommand(const std::string& file, bool json) {
    const auto store = NewStore();
    try {
        const opt::LoadedModel model = opt::LoadModelFile(*store, file, ProgramJournal());
        if (const std::string why = opt::WhyNoModel(*store); !why.empty())
            return Failure(file + " holds no model (" + why + ")");
        const opt::ModelRecords records = opt::DescribeModel(*store);
        if (json)
            PrintJson(ModelJson(file, model.Bytes.size(), records, model.Warnings));
        else
            for (const auto& line : opt::SummaryLines(*store, records, model.Warnings))
                std::printf("%s\n", line.c_str());
        return 0;
    } catch (const opt::OptError& e) {
        return Failure(e);
    }
}

}  // namespace

void AddInfoCommand(CLI::App& app) {
    struct Words {
        std::string file;
        bool json = false;
    };
    auto words = std::make_shared<Words>();
    CLI::App& cmd = AddCommand(app, "info", "Print a summary of the model, or the whole model as JSON.",
                               [words] { return InfoCommand(words->file, words->json); });
    cmd.add_option("FILE", words->file, "the OPT file")->required();
    cmd.add_flag("--json", words->json, "print the whole model as one JSON document (docs/info-json.md)");
}

}  // namespace cli
