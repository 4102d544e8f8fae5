// The hit-zone buttons: compute the hit zones (SBHZ), write every descriptor (WriteHZ), write zero
// corners, and copy the computed centres into the rotation/scale blocks.
#include "edit/core/block_runs.h"
#include "edit/core/edit_area.h"
#include "edit/core/hit_zone_writes.h"
#include "edit/core/memo_lines.h"

namespace opt {

void EditArea::SBHZClick() {
    selection_.DisplayMode.PutDown(SBHZ);
    host_.ShowMessage(
        " Make sure you have a copy of file before writing there is no undo feature for hitzones");
    selection_.Resolution = "0";
    host_.SetResBoxText("0");
    w_.RP = false;
    withoutBox_.clear();
    if (selection_.ModelLoaded) withoutBox_ = ComputeHitZones(store_, 0);
    host_.FormHide();  // the redraw shows the computed boxes
    w_.SBHZWrite = true;
    selection_.DisplayMode.PutDown(SBShoHZ);
    hitZonesComputed_ = true;
    if (const std::string missed = MeshesWithoutBox(); !missed.empty()) MemoLines(w_.Memo).AddLine(missed);
}

std::string EditArea::MeshesWithoutBox() const {
    std::string list;
    for (int k : withoutBox_) list += (list.empty() ? "" : ", ") + std::to_string(k);
    if (list.empty()) return list;
    return "No hit zone computed for mesh descriptor(s) " + list +
           ": no face of that mesh is drawn at resolution 0, so they keep the values they hold.";
}

bool EditArea::WriteHZ() {
    const bool wrote = Patch(DescriptorPatches(store_.tcb, MainOffset()));
    w_.SBHZWrite = false;
    return wrote;
}

bool EditArea::HasDescriptors() {
    for (int k = 0; k < store_.tcb.Size(); ++k)
        if (store_.tcb[k].Type == kMeshDescriptor) return true;
    NothingWritten(FileName + " holds no mesh descriptor (block type 25)");
    return false;
}

void EditArea::SBHZWriteClick() {
    lastWrites_.clear();
    if (!HasDescriptors()) return;
    if (WriteHZ() && !selection_.DisplayMode.IsDown(SBHZED))
        host_.ShowMessage(FileName + " Updated with new HitZone(s)");
}

void EditArea::SBHZ0Click() {
    lastWrites_.clear();
    if (!HasDescriptors()) {
        w_.SBHZ0 = false;
        return;
    }
    // The corners become zero in memory only once the file has taken them.
    TCB zeroed = store_.tcb;
    zeroed.ZeroHitZones();
    const bool wrote = Patch(DescriptorPatches(zeroed, MainOffset()));
    store_.tcb.ZeroHitZones();
    w_.SBHZWrite = false;
    if (wrote && !selection_.DisplayMode.IsDown(SBHZED))
        host_.ShowMessage(FileName + " Updated HitZone(s) with zero`s");
    w_.SBHZ0 = false;
}

void EditArea::SBCopyCentersClick() {
    lastWrites_.clear();
    if (!hitZonesComputed_) {
        host_.ShowMessage("Auto Calculate Hitzones First");
        return;
    }
    const std::vector<int> pairs = CentrePairs(store_.tcb, store_.trsh);
    if (pairs.empty()) {
        NothingWritten("no mesh descriptor has a rotation/scale block of the same number to take its centre");
        return;
    }
    std::vector<PatchWrite> writes;
    std::vector<RotScaleRecord> moved;
    for (int k : pairs) {
        RotScaleRecord r = store_.trsh[k];
        for (int i = 0; i < 3; ++i) r.Centre[i] = store_.tcb[k].HZ_Centre[i];
        writes.push_back(RotScalePatch(k, r, MainOffset()));
        moved.push_back(r);
    }
    // The centres change in memory once the file has taken them.
    if (!Patch(writes)) return;
    for (size_t i = 0; i < pairs.size(); ++i) store_.trsh[pairs[i]] = moved[i];
    host_.ShowMessage("File updated.. Note: Turret centers will not be 100% correct");
}

}  // namespace opt
