// zedaruz-cli diff A B [--json]: the two models compared table by table, like diff: exit 0 when the
// files are equal, 1 when they differ, 2 on bad usage or a file that cannot be read. The reader's
// warnings of a damaged file come first.
#include <cstdio>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/json_output.h"
#include "app/cli/model_loading.h"
#include "edit/core/journal_history.h"
#include "inspect/model_check.h"
#include "inspect/model_diff.h"
#include "model/errors.h"
#include "model/load_warnings.h"

namespace cli {

namespace {

Json DiffJson(const std::string& fileA, const std::string& fileB, const opt::ModelDiff& diff) {
    auto value = [](const std::optional<opt::FieldValue>& v) { return v ? ToJson(*v) : Json(nullptr); };
    auto position = [](const std::optional<int64_t>& p) { return p ? Json(*p) : Json(nullptr); };
    Json changes = Json::array();
    for (const auto& c : diff.Header)
        changes.push_back({{"table", "header"}, {"field", c.Name}, {"a", value(c.A)}, {"b", value(c.B)}});
    for (const auto& r : diff.Records) {
        Json record = {{"table", r.Table},
                       {"index", r.Index},
                       {"position_a", position(r.PositionA)},
                       {"position_b", position(r.PositionB)}};
        if (!r.PositionA || !r.PositionB) {
            record["only_in"] = r.PositionA ? "A" : "B";
            changes.push_back(record);
            continue;
        }
        for (const auto& c : r.Fields) {
            Json change = record;
            change["field"] = c.Name;
            change["a"] = value(c.A);
            change["b"] = value(c.B);
            changes.push_back(change);
        }
        if (r.ChangedElements > 0) {
            record["field"] = r.Elements;
            record["changed"] = r.ChangedElements;
            changes.push_back(record);
        }
    }
    Json out = {{"a", fileA}, {"b", fileB}, {"equal", diff.Empty()}, {"changes", changes}};
    if (diff.OtherBytes > 0)
        out["other_bytes"] = {{"count", diff.OtherBytes}, {"first", diff.FirstOtherByte}};
    return out;
}

// The reader's lines of a damaged file, or none: a damaged file's differences may come from the
// damage (or from a write a crash interrupted), so its warnings are said first.
std::vector<std::string> DamageLines(const opt::LoadedModel& m) {
    for (const auto& line : m.Warnings)
        if (opt::IsDamageWarning(line) || opt::IsInterruptedWriteNote(line)) return m.Warnings;
    return {};
}

int DiffCommand(const std::string& fileA, const std::string& fileB, bool json) {
    const auto a = NewStore();
    const auto b = NewStore();
    opt::LoadedModel ma, mb;
    try {
        ma = opt::LoadModelFile(*a, fileA, ProgramJournal());
        mb = opt::LoadModelFile(*b, fileB, ProgramJournal());
    } catch (const opt::OptError& e) {
        Failure(e);
        return 2;  // as diff(1): 1 says the files differ
    }
    const opt::ModelDiff diff = opt::DiffModels(*a, ma.Bytes, *b, mb.Bytes);
    const std::pair<const std::string&, std::vector<std::string>> damaged[] = {{fileA, DamageLines(ma)},
                                                                               {fileB, DamageLines(mb)}};
    if (json) {
        Json out = DiffJson(fileA, fileB, diff);
        for (const auto& [file, lines] : damaged)
            if (!lines.empty()) out["damaged"][file] = lines;
        PrintJson(out);
    } else {
        for (const auto& [file, lines] : damaged)
            for (const auto& line : lines) std::printf("%s: %s\n", file.c_str(), line.c_str());
        for (const auto& line : opt::DiffLines(diff)) std::printf("%s\n", line.c_str());
    }
    return diff.Empty() ? 0 : 1;
}

}  // namespace

void AddDiffCommand(CLI::App& app) {
    struct Words {
        std::string a, b;
        bool json = false;
    };
    auto words = std::make_shared<Words>();
    CLI::App& cmd = AddCommand(app, "diff", "Compare two models table by table.",
                               [words] { return DiffCommand(words->a, words->b, words->json); });
    cmd.add_option("A", words->a, "the first OPT file")->required();
    cmd.add_option("B", words->b, "the second OPT file")->required();
    cmd.add_flag("--json", words->json, "print the changes as one JSON document");
    cmd.footer(
        "Records are matched by table position. Prints each changed field with its file positions in "
        "both files, records present in only one model, changed texture pixels and palette colours as a "
        "count, and the bytes that differ outside the changed records. Exit status 0 when the files are "
        "equal, 1 when they differ, 2 on bad usage or an unreadable file.");
}

}  // namespace cli
