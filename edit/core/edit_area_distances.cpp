// LOD-distance mode (SBRes): distance k of every LOD set, written at each set's Data_Offset.
#include "edit/core/block_runs.h"
#include "edit/core/edit_area.h"
#include "edit/core/edit_numbers.h"
#include "edit/core/memo_lines.h"
#include "listings/listings.h"

namespace opt {

namespace {
// LOD sets 0..49 are edited and written; 50..99 are not.
constexpr int kEditedLodSets = 50;
constexpr int kEditableDistances = 3;
}  // namespace

void EditArea::SBResClick() {
    EnterMode(SBRes, "Distances");
    w_.LBED = host_.ResBoxLines();
    w_.RLabel = true;
    w_.ClearEHPType();
}

void EditArea::ChooseDistances() {
    w_.SetRG(kRGDistances);
    rgParts_ = kRGDistances;
    entryChosen_ = true;
    MemoLines memo(w_.Memo);
    ListDistances(store_.ttmdh, memo, store_.Decimal_Separator);
}

void EditArea::DistancePart(int item) {
    const float dist[kEditableDistances] = {store_.Dist_1, store_.Dist_2, store_.Dist_3};
    if (item < kEditableDistances) {
        w_.SetE();
        w_.EText = TenDecimalsText(dist[item], store_.Decimal_Separator);
    }
    w_.SetButU();
}

void EditArea::UpdateDistances() {
    const int k = w_.RG1Index;
    const bool editable = k >= 0 && k < kEditableDistances;
    const float value = editable ? ParseReal(w_.EText, store_.Decimal_Separator) : 0.0f;
    for (int e = 0; e < kEditedLodSets; ++e) {
        LodSetRecord& r = store_.ttmdh[e];
        if (r.Type == kLodSet && editable) r.Distance[k] = value;
    }
    MemoLines memo(w_.Memo);
    memo.ClearMemo();
    ListDistances(store_.ttmdh, memo, store_.Decimal_Separator);
    UpdateRes();
    w_.SetButF();
}

void EditArea::UpdateRes() {
    std::vector<PatchWrite> writes;
    for (int e = 0; e < kEditedLodSets; ++e) {
        const LodSetRecord& r = store_.ttmdh[e];
        if (r.Type == kLodSet && LodDistanceCount(r) > 0) writes.push_back(LodDistancePatch(e, r));
    }
    if (Patch(writes)) host_.ShowMessage(FileName + " LOD`s updated");
}

}  // namespace opt
