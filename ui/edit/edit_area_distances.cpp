// LOD-distance mode (SBRes): distance k of every LOD set, written at each set's Data_Offset.
#include "edit/core/edit_numbers.h"
#include "edit/core/lod_distance_edit.h"
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
    if (item < kEditableLodDistances) {
        w_.SetE();
        // The box offers only what the file holds (the memo lists it): where no set gives distance k,
        // it stays empty and Update writes nothing until a number is typed.
        const std::optional<float> onFile = LodDistanceOnFile(store_, item);
        w_.EText = onFile ? TenDecimalsText(*onFile, store_.Decimal_Separator) : std::string();
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
