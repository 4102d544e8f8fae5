#include "edit/core/lod_distance_edit.h"

#include <algorithm>

#include "edit/core/block_runs.h"
#include "model/errors.h"

namespace opt {

namespace {
constexpr int kEditedLodSets = 50;

int EditedSets(const TTMDH& table) { return std::min(kEditedLodSets, table.Size()); }
}  // namespace

void CheckLodDistance(const ModelStore& model, int k, const std::string& file) {
    if (model.Lod_Numbers.empty()) throw OptError(file + " holds no LOD set");
    if (k < 0 || k >= static_cast<int>(model.Lod_Numbers.size()))
        throw OptError(file + " has no LOD " + std::to_string(k));
}

std::vector<int> WrittenLodSets(const TTMDH& table) {
    std::vector<int> sets;
    for (int e = 0; e < EditedSets(table); ++e)
        if (table[e].Type == kLodSet && LodDistanceCount(table[e]) > 0) sets.push_back(e);
    return sets;
}

std::optional<float> LodDistanceOnFile(const ModelStore& model, int k) {
    if (k < 0 || k >= kEditableLodDistances) return std::nullopt;
    const float summary[kEditableLodDistances] = {model.Dist_1, model.Dist_2, model.Dist_3};
    if (summary[k] != kUnsetReal) return summary[k];
    for (int e : WrittenLodSets(model.ttmdh))
        if (LodDistanceCount(model.ttmdh[e]) > k) return model.ttmdh[e].Distance[k];
    return std::nullopt;
}

EditPlan PlanLodDistance(const ModelStore& model, const LodDistanceEdit& edit, const std::string& file) {
    if (edit.K < 0 || edit.K >= kEditableLodDistances) throw OptError("K must be 0, 1 or 2.");
    CheckLodDistance(model, edit.K, file);
    EditPlan plan;
    TTMDH& table = plan.Tables.LodSets.emplace(model.ttmdh);
    for (int e = 0; e < EditedSets(table); ++e)
        if (table[e].Type == kLodSet) table[e].Distance[edit.K] = edit.Value;
    for (int e : WrittenLodSets(table)) plan.Writes.push_back(LodDistancePatch(e, table[e]));
    return plan;
}

}  // namespace opt
