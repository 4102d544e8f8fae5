// The selection state: what is loaded, what is selected and which tool-bar mode button is down.
// The windows hold one beside the model they show; windows and editors write it, drawing and
// listings read it.
#pragma once

#include <cstdint>
#include <string>

namespace opt {

// The 13 mode buttons of the control panel's tool bar, left to right.
enum ModeButton : int {
    SBMESH,
    SBFace,
    SBVx,
    SBSHoHP,
    SBHP,
    SBShoHZ,
    SBHZ,
    SBHZED,
    SBShoCenters,
    SBCopyCenters,
    SBRes,
    SBRSH,
    SBWire,
    kModeButtonCount
};

// Control name and hint of each mode button, in tool-bar order.
const char* ModeButtonName(ModeButton b);
const char* ModeButtonHint(ModeButton b);

// Exactly one button is down at every moment; at start it is SBMESH.
class ModeGroup {
public:
    bool IsDown(ModeButton b) const { return down_ == b; }
    ModeButton Down() const { return down_; }
    // The button becomes the down one and the other twelve go up.
    void PutDown(ModeButton b);
    // A button is only ever raised by putting another one down: this changes nothing.
    void PutUp(ModeButton) {}

private:
    ModeButton down_ = SBMESH;
};

struct SelectionState {
    bool ModelLoaded = false;
    int32_t SelectedMesh = 0;
    int32_t SelectedFaceData = 0;
    int32_t SelectedVertex = 0;
    int32_t SelectedTexture = 0;
    std::string Resolution = "0";  // text of the resolution box
    bool AllRes = false;           // "All Res" check box
    ModeGroup DisplayMode;
    int32_t Edit_Index = 0;
};

}  // namespace opt
