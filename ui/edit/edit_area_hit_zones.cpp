// The hit-zone buttons: compute the hit zones (SBHZ) into the model for the view to show them, write
// every descriptor as the table holds it (WriteHZ), write zero corners, and copy the computed centres
// into the rotation/scale blocks.
#include "edit/core/hit_zones.h"
#include "ui/edit/edit_area.h"

namespace opt {

void EditArea::SBHZClick() {
    selection_.DisplayMode.PutDown(SBHZ);
    host_.ShowMessage(kHitZoneWarning);
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

std::string EditArea::MeshesWithoutBox() const { return MeshesWithoutBoxLine(withoutBox_); }

bool EditArea::WriteHZ(const Edit& edit) {
    const bool wrote = Write(Plan(edit));
    w_.SBHZWrite = false;
    return wrote;
}

void EditArea::SBHZWriteClick() {
    lastWrites_.clear();
    const HitZoneEdit edit{HitZoneAction::Write, std::nullopt};  // the boxes the view shows
    const EditPlan plan = Plan(edit);
    if (plan.Writes.empty()) {  // no descriptor: says so
        Write(plan);
        return;
    }
    const bool wrote = Write(plan);
    w_.SBHZWrite = false;
    if (wrote && !selection_.DisplayMode.IsDown(SBHZED)) host_.ShowMessage(WrittenMessage(edit, FileName));
}

void EditArea::SBHZ0Click() {
    lastWrites_.clear();
    const HitZoneEdit edit{HitZoneAction::Zero, std::nullopt};
    const EditPlan plan = Plan(edit);
    // The corners become zero in memory only once the file has taken them.
    const bool wrote = Write(plan);
    if (!plan.Writes.empty()) {
        w_.SBHZWrite = false;
        if (wrote && !selection_.DisplayMode.IsDown(SBHZED))
            host_.ShowMessage(WrittenMessage(edit, FileName));
    }
    w_.SBHZ0 = false;
}

void EditArea::SBCopyCentersClick() {
    lastWrites_.clear();
    if (!hitZonesComputed_) {
        host_.ShowMessage("Auto Calculate Hitzones First");
        return;
    }
    // The centres change in memory once the file has taken them.
    WriteAndSay(HitZoneEdit{HitZoneAction::CopyCentres, std::nullopt});
}

}  // namespace opt
