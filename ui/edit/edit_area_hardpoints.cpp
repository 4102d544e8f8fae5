// Hardpoint mode (SBHP): TTBH entries, the THP snapshot, and the 40-byte write at Data_Offset - 24.
#include "edit/core/edit_numbers.h"
#include "edit/core/hardpoint_types.h"
#include "edit/core/lookup_file.h"
#include "edit/core/record_texts.h"
#include "ui/edit/edit_area.h"

namespace opt {

namespace {
float* Coordinate(HardpointRecord& r, int item) { return item == 0 ? &r.X : item == 1 ? &r.Y : &r.Z; }
}  // namespace

void EditArea::SBHPClick() {
    EnterMode(SBHP, "Hard Points");
    if (!thp_) thp_ = std::make_unique<THP>();
    for (int n = 0; n < store_.ttbh.Size(); ++n)
        if (store_.ttbh[n].Data_Offset != 0) w_.LBED.push_back(std::to_string(n));
    w_.SetRG(kRGHardpoints);
    rgParts_ = kRGHardpoints;
    w_.ClearEHPType();
}

void EditArea::ChooseHardpoint(int index) {
    selection_.Edit_Index = index;
    thp_->Choose(store_.ttbh[index]);
    entryChosen_ = true;
    w_.SetETF();
    w_.SetRG(kRGHardpoints);
    rgParts_ = kRGHardpoints;
    ShowSnapshotAndNew(*thp_, ShowHardpoint);
    w_.EHPTypeItems = ReadLookupFile(LookupFilePath(AppDataDir, TypeLookup::kHardpoint));
    w_.EHPTypeText = std::string(TypeName(thp_->Snapshot.HP_Type));
}

void EditArea::HardpointPart(int item) {
    if (item <= 2) {
        w_.SetE();
        if (thp_) w_.EText = GeneralText(*Coordinate(thp_->New, item), store_.Decimal_Separator);
    } else {
        w_.SetT();
    }
}

void EditArea::UpdateHardpoint() {
    HardpointRecord& n = thp_->New;
    const int item = w_.RG1Index;
    if (item >= 0 && item <= 2) {
        *Coordinate(n, item) = ParseReal(w_.EText, store_.Decimal_Separator);
    } else if (item == 3) {
        n.HP_Type = LookupTypeCode(w_.EHPTypeItems, w_.EHPTypeText, n.HP_Type);
    }
    ShowSnapshotAndNew(*thp_, ShowHardpoint);
    UpdateFile();
}

void EditArea::UndoHardpoint() {
    thp_->Restore();
    ShowSnapshotAndNew(*thp_, ShowHardpoint);
    UpdateFile();
    SBHPClick();
    KeepEntryChosen();
    w_.EHPTypeText = std::string(TypeName(thp_->New.HP_Type));
}

void EditArea::UpdateFile() {
    const HardpointRecord& n = thp_->New;
    Write(Plan(HardpointMovesEdit{{{selection_.Edit_Index, n.X, n.Y, n.Z, n.HP_Type}}}));
}

}  // namespace opt
