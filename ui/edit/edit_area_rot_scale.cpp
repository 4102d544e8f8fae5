// Rotation/scale mode (SBRSH): the twelve floats of one TRSH entry, written as 72 bytes at
// Data_Offset - 24 (OutRsh).
#include "edit/core/edit_numbers.h"
#include "edit/core/record_texts.h"
#include "ui/edit/edit_area.h"

namespace opt {

void EditArea::SBRSHClick() {
    EnterMode(SBRSH, "Scale Things");
    if (!trshed_) trshed_ = std::make_unique<TRSHED>();
    for (int n = 0; n < store_.trsh.Size(); ++n)
        if (store_.trsh[n].Type == kRotScale) w_.LBED.push_back(std::to_string(n));
    w_.ClearEHPType();
}

void EditArea::ChooseRotScale(int index) {
    trshed_->Choose(store_.trsh[index]);
    selection_.Edit_Index = index;
    entryChosen_ = true;
    w_.SetRG(kRGRotScale);
    rgParts_ = kRGRotScale;
    w_.SetETF();
    ShowSnapshotAndNew(*trshed_, ShowRotScale);
}

void EditArea::RotScalePart(int item) {
    w_.SetE();
    if (trshed_) w_.EText = TenDecimalsText(trshed_->New.Float(item), store_.Decimal_Separator);
}

void EditArea::UpdateRotScale() {
    const int k = w_.RG1Index;
    if (k >= 0 && k < kRotScaleFloats) trshed_->New.Float(k) = ParseReal(w_.EText, store_.Decimal_Separator);
    ShowSnapshotAndNew(*trshed_, ShowRotScale);
    OutRsh();
    w_.SetButF();
}

void EditArea::UndoRotScale() {
    trshed_->Restore();
    ShowSnapshotAndNew(*trshed_, ShowRotScale);
    OutRsh();
}

void EditArea::OutRsh() {
    const int e = selection_.Edit_Index;
    if (store_.trsh[e].Type != kRotScale) {
        NothingWritten("entry " + std::to_string(e) + " is not a rotation/scale block (type 23)");
        return;
    }
    WriteAndSay(RotScalePayloadEdit{e, RotScaleFloats(trshed_->New)});
}

}  // namespace opt
