// Distance K of every LOD set (zedaruz-cli set-lod-distance, the LOD-distance editor): the three
// distances the editor offers, set in LOD sets 0..49 and written at each set's Data_Offset as its
// first Num_Jumps distances (sets 50 and later are neither changed nor written).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "edit/core/edit_plan.h"
#include "model/store.h"

namespace opt {

inline constexpr int kEditableLodDistances = 3;

struct LodDistanceEdit {
    int K = 0;  // 0, 1 or 2
    float Value = 0;
};

// Throws OptError("<file> holds no LOD set") when the reader met no LOD, and OptError("<file> has
// no LOD <k>") when it met fewer than k + 1.
void CheckLodDistance(const ModelStore& model, int k, const std::string& file);

// The LOD sets whose distances the edit writes: sets 0..49 of Type 28 with at least one distance.
std::vector<int> WrittenLodSets(const TTMDH& table);

// The distance k the editor offers to change, as the file holds it: the reader's summary of the
// sets with k + 1 distances (Dist_1, Dist_2, Dist_3) where it met one; while the summary is still
// the unset mark, distance k of the first LOD set among those the edit writes that has a distance k;
// nothing where none has one (or k is not 0, 1 or 2).
std::optional<float> LodDistanceOnFile(const ModelStore& model, int k);

// Every LOD set of Type 28 among sets 0..49 takes the distance in memory, also past its own
// distances; those it has are written. Throws OptError("K must be 0, 1 or 2.") for another K, and
// as CheckLodDistance does.
EditPlan PlanLodDistance(const ModelStore& model, const LodDistanceEdit& edit, const std::string& file);

}  // namespace opt
