// Mesh-descriptor mode (SBHZED): target box, group, mesh type and the unknown word of one TCB entry;
// the write-back is WriteHZ, which rewrites every descriptor.
#include "edit/core/edit_numbers.h"
#include "edit/core/lookup_file.h"
#include "edit/core/record_texts.h"
#include "listings/listings.h"
#include "ui/edit/edit_area.h"

namespace opt {

void EditArea::SBHZEDClick() {
    EnterMode(SBHZED, "Mesh Things");
    if (!tedhz_) tedhz_ = std::make_unique<TEDHZ>();
    for (int n = 0; n < store_.tcb.Size(); ++n)
        if (store_.tcb[n].Type == kMeshDescriptor) w_.LBED.push_back(std::to_string(n));
    w_.ClearEHPType();
    w_.SBHZ0 = true;
}

void EditArea::ChooseDescriptor(int index) {
    tedhz_->Choose(store_.tcb[index]);
    selection_.Edit_Index = index;
    entryChosen_ = true;
    w_.SetRG(kRGDescriptors);
    rgParts_ = kRGDescriptors;
    ShowSnapshotAndNew(*tedhz_, ShowDescriptor);
    w_.EHPTypeItems = ReadLookupFile(AppDataDir + kMeshTypeFile);
    w_.EHPTypeText = std::string(MeshTypeName(tedhz_->Snapshot.Mesh_Type));
}

void EditArea::DescriptorPart(int item) {
    if (item == 4) {
        w_.SetT();
        return;
    }
    w_.SetE();
    if (!tedhz_) return;
    const DescriptorRecord& n = tedhz_->New;
    if (item <= 2) w_.EText = GeneralText(n.Target[item], store_.Decimal_Separator);
    if (item == 3) w_.EText = std::to_string(n.Group_ID);
    if (item == 5) w_.EText = std::to_string(n.N2);
}

void EditArea::UpdateDescriptor() {
    DescriptorRecord& n = tedhz_->New;
    switch (w_.RG1Index) {
        case 0:
        case 1:
        case 2:
            n.Target[w_.RG1Index] = ParseReal(w_.EText, store_.Decimal_Separator);
            break;
        case 3:
            n.Group_ID = ParseInteger(w_.EText);
            break;
        case 4:
            n.Mesh_Type = LookupTypeCode(w_.EHPTypeItems, w_.EHPTypeText, n.Mesh_Type);
            break;
        case 5:
            n.N2 = ParseInteger(w_.EText);
            break;
        default:
            break;
    }
    ShowSnapshotAndNew(*tedhz_, ShowDescriptor);
    WriteHZ(DescriptorPayloadEdit{selection_.Edit_Index, n});
}

void EditArea::UndoDescriptor() {
    tedhz_->Restore();
    ShowSnapshotAndNew(*tedhz_, ShowDescriptor);
    WriteHZ(DescriptorPayloadEdit{selection_.Edit_Index, tedhz_->Snapshot});
    SBHZEDClick();
    KeepEntryChosen();
    w_.EHPTypeText = std::string(MeshTypeName(tedhz_->New.Mesh_Type));
}

}  // namespace opt
