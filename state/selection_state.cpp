#include "state/selection_state.h"

namespace opt {

namespace {
struct ButtonText {
    const char* name;
    const char* hint;
};
constexpr ButtonText kButtons[kModeButtonCount] = {
    {"SBMESH", "Show Selected Mesh"},
    {"SBFace", "Show Selected Face"},
    {"SBVx", "Show Selected Vertices"},
    {"SBSHoHP", "Show Hardpoints"},
    {"SBHP", "Edit Hardpoints"},
    {"SBShoHZ", "Show Hit Zones"},
    {"SBHZ", "Auto Computes Hit Zones"},
    {"SBHZED", "Edit Mesh Type ,Targeting box location etc."},
    {"SBShoCenters", "Show mesh centers."},
    {"SBCopyCenters", "Copies autocalculted hitzone centers to mesh centers."},
    {"SBRes", "Edit Lo/HI Res distances"},
    {"SBRSH", "Edit RSH Block"},
    {"SBWire", "Switch to textured display"},
};
bool Valid(ModeButton b) { return b >= 0 && b < kModeButtonCount; }
}  // namespace

const char* ModeButtonName(ModeButton b) { return Valid(b) ? kButtons[b].name : ""; }
const char* ModeButtonHint(ModeButton b) { return Valid(b) ? kButtons[b].hint : ""; }

void ModeGroup::PutDown(ModeButton b) {
    if (Valid(b)) down_ = b;
}

}  // namespace opt
