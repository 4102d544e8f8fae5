#include "render/core/view_mouse.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "render/core/view_transform.h"

namespace opt {

namespace {

int32_t Wrapped(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

}  // namespace

void DragTurn(ViewState& view, const MouseDrag& drag, int dx, int dy) {
    const ViewCamera& start = drag.Start;
    view.AngleY = Wrapped(int64_t{start.AngleY} + dx / kDragPixelsPerDegree);
    view.AngleX = Wrapped(int64_t{start.AngleX} + dy / kDragPixelsPerDegree);
    // The turn is about the model's origin; the offset moves the model back so that its centre
    // shows where it showed at the press.
    const Point3 centre{view.CentreX, view.CentreY, view.CentreZ};
    const auto scale = static_cast<float>(view.ViewScale);
    const Point3 before = TurnAndScale(start.AngleX, start.AngleY, start.AngleZ, scale, centre);
    const Point3 after = TurnAndScale(view.AngleX, view.AngleY, view.AngleZ, scale, centre);
    view.OffsetX = start.OffsetX + before.x - after.x;
    view.OffsetY = start.OffsetY + before.y - after.y;
    view.OffsetZ = start.OffsetZ + before.z - after.z;
}

void DragPan(ViewState& view, const MouseDrag& drag, int dx, int dy, int viewportPx) {
    if (viewportPx <= 0) return;
    // The pan is applied in the cube's units before the turn and the scale: the cube spans the view.
    const double unitsPerPixel = (double(view.OrthoMax) - double(view.OrthoMin)) / viewportPx;
    view.PanX = Wrapped(int64_t{drag.Start.PanX} + std::llround(dx * unitsPerPixel));
    view.PanY = Wrapped(int64_t{drag.Start.PanY} - std::llround(dy * unitsPerPixel));
}

bool WheelZoom(ViewState& view, int steps) {
    const double before = view.ViewScale;
    const double from = std::max(before, kWheelMinScale);
    const double after = std::max(from * std::pow(kWheelZoomFactor, steps), kWheelMinScale);
    if (after == before) return false;
    view.ViewScale = after;
    // What shows in the middle of the view stays there: the distance of the model's origin from the
    // middle grows and shrinks with the scale (across the view; its depth is left as it is).
    if (before > 0.0) {
        const Point3 middle = ViewMiddle(view);
        const double ratio = after / before;
        view.OffsetX = middle.x - view.PanX - ratio * (middle.x - view.PanX - view.OffsetX);
        view.OffsetY = middle.y - view.PanY - ratio * (middle.y - view.PanY - view.OffsetY);
    }
    return true;
}

}  // namespace opt
