// LOD-distance mode (SBRes): distance k of every LOD set, written at each set's Data_Offset.
#include "edit/core/edit_numbers.h"
#include "listings/listings.h"
#include "ui/edit/edit_area.h"

namespace opt {

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
    const float dist[kEditableLodDistances] = {store_.Dist_1, store_.Dist_2, store_.Dist_3};
    if (item < kEditableLodDistances) {
        w_.SetE();
        w_.EText = TenDecimalsText(dist[item], store_.Decimal_Separator);
    }
    w_.SetButU();
}

void EditArea::UpdateDistances() {
    const int k = w_.RG1Index;
    const bool editable = k >= 0 && k < kEditableLodDistances;
    // A distance past the three offered changes nothing: the sets go back as they are.
    const std::optional<LodDistanceEdit> edit =
        editable ? std::optional(LodDistanceEdit{k, ParseReal(w_.EText, store_.Decimal_Separator)})
                 : std::nullopt;
    const EditPlan plan = edit ? Plan(*edit) : EditPlan{};
    // The memo lists the distances as the sets hold them once the edit is made (in memory also where
    // it is not written).
    MemoLines memo(w_.Memo);
    memo.ClearMemo();
    ListDistances(plan.Tables.LodSets ? *plan.Tables.LodSets : store_.ttmdh, memo, store_.Decimal_Separator);
    if (!edit) {
        if (!WrittenLodSets(store_.ttmdh).empty()) NothingWritten(FileName + " already holds these values");
    } else if (Write(plan)) {
        host_.ShowMessage(WrittenMessage(*edit, FileName));
    }
    w_.SetButF();
}

}  // namespace opt
