// The hit-zone buttons: compute the hit zones (SBHZ) into the model for the view to show them, write
// every descriptor as the table holds it (WriteHZ), write zero corners, and copy the computed centres
// into the rotation/scale blocks.
#include <filesystem>

#include "edit/core/hit_zones.h"
#include "ui/edit/edit_area.h"

namespace opt {

namespace {

// How a question counts the descriptors a hit-zone writer writes.
std::string DescriptorCount(size_t count) {
    return std::to_string(count) + (count == 1 ? " mesh descriptor" : " mesh descriptors");
}

std::string NameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace

void EditArea::SBHZClick() {
    selection_.DisplayMode.PutDown(SBHZ);
    host_.ShowMessage(std::string(kHitZoneWarning) + "\n" + kRevertLastWriteNote);
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

bool EditArea::AskedOutsideMode(bool inOwnMode, const std::string& question) {
    return inOwnMode || host_.Ask(question + "? File > Revert Last Write undoes it.");
}

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
    // The button stays after the computation's mode until used: a click from another mode asks first.
    const ModeGroup& modes = selection_.DisplayMode;
    if (!AskedOutsideMode(modes.IsDown(SBShoHZ) || modes.IsDown(SBHZ),
                          "Write the computed hit zones of " + DescriptorCount(plan.Writes.size()) +
                              " into " + NameOf(FileName)))
        return;
    const bool wrote = Write(plan);
    w_.SBHZWrite = false;
    if (wrote && !selection_.DisplayMode.IsDown(SBHZED)) host_.ShowMessage(WrittenMessage(edit, FileName));
}

void EditArea::SBHZ0Click() {
    lastWrites_.clear();
    const HitZoneEdit edit{HitZoneAction::Zero, std::nullopt};
    const EditPlan plan = Plan(edit);
    // The button stays after the descriptor mode, across loads, until used: a click from another mode
    // asks first.
    if (!plan.Writes.empty() &&
        !AskedOutsideMode(selection_.DisplayMode.IsDown(SBHZED), "Zero the hit-zone corners of " +
                                                                     DescriptorCount(plan.Writes.size()) +
                                                                     " in " + NameOf(FileName)))
        return;
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
