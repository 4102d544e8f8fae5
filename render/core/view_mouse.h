// The mouse camera of the GL view as pure functions of the view state: a left drag turns the model
// about x and y, keeping the centre of the model's box where it is on the screen; a right or middle
// drag pans it; the wheel zooms by a factor about the middle of the view. The mouse changes the same
// values as the keys, so the keys, the scale text and the picture always agree. Nothing happens
// unless a model is loaded.
#pragma once

#include "render/core/view_state.h"

namespace opt {

// Pixels of drag per degree of turn.
inline constexpr int kDragPixelsPerDegree = 2;
// One wheel notch zooms in by this factor; a notch back divides by it.
inline constexpr double kWheelZoomFactor = 1.1;
// The wheel never zooms below this scale (never to 0 or below, as the "-" key can).
inline constexpr double kWheelMinScale = 0.01;

// A drag in progress: the camera when the button went down.
struct MouseDrag {
    ViewCamera Start;
};

// The angles for a left drag of (dx, dy) pixels since the press: right turns about y, down about x.
// The offset follows, so that the centre of the model's box stays where it was at the press.
void DragTurn(ViewState& view, const MouseDrag& drag, int dx, int dy);
// The pan for a drag of (dx, dy) pixels since the press on a square view of viewportPx pixels: the
// model follows the pointer (one pixel of drag moves it one pixel on the screen).
void DragPan(ViewState& view, const MouseDrag& drag, int dx, int dy, int viewportPx);
// Wheel steps (positive away from the user: zoom in): the scale times kWheelZoomFactor per step (a
// scale at or below kWheelMinScale starts from kWheelMinScale), never below kWheelMinScale; the
// point in the middle of the view stays there. Returns whether the scale changed.
bool WheelZoom(ViewState& view, int steps);

}  // namespace opt
