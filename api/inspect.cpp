// check and diff as the library offers them.
#include "zedaruz/inspect.h"

#include "api/model_data.h"
#include "inspect/model_check.h"
#include "inspect/model_diff.h"

namespace zedaruz {

static_assert(static_cast<int>(Verdict::Unreadable) == static_cast<int>(opt::Verdict::kUnreadable) &&
              static_cast<int>(Verdict::Ok) == static_cast<int>(opt::Verdict::kOk));

const char* VerdictName(Verdict verdict) { return opt::VerdictName(static_cast<opt::Verdict>(verdict)); }

Verdict VerdictOf(const Model& model) {
    // As check says it: a file that holds no model is unreadable, whatever its warnings.
    if (!opt::WhyNoModel(*model.Internal().store).empty()) return Verdict::Unreadable;
    return static_cast<Verdict>(opt::VerdictOfWarnings(model.Warnings()));
}

std::vector<CheckResult> Check(const std::vector<std::filesystem::path>& paths) {
    std::vector<std::string> words;
    for (const auto& p : paths) words.push_back(CorePath(p));
    std::vector<CheckResult> results;
    opt::ModelStore store;
    for (const std::string& file : opt::FilesToCheck(words)) {
        opt::FileCheck c = opt::CheckModelFile(store, file);
        results.push_back({opt::Utf8Path(c.File), static_cast<Verdict>(c.Result), std::move(c.Lines)});
    }
    return results;
}

std::vector<std::string> Diff(const Model& a, const Model& b) {
    const opt::ModelStore& sa = *a.Internal().store;
    const opt::ModelStore& sb = *b.Internal().store;
    return Translated([&] { return opt::DiffLines(opt::DiffModels(sa, sa.File_Image, sb, sb.File_Image)); });
}

}  // namespace zedaruz
