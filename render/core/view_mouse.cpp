#include "render/core/view_mouse.h"

#include <cmath>
#include <cstdint>

#include "render/core/view_keys.h"

namespace opt {

namespace {

int32_t Wrapped(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

}  // namespace

void DragTurn(ViewState& view, const MouseDrag& drag, int dx, int dy) {
    view.AngleY = Wrapped(int64_t{drag.Start.AngleY} + dx / kDragPixelsPerDegree);
    view.AngleX = Wrapped(int64_t{drag.Start.AngleX} + dy / kDragPixelsPerDegree);
}

void DragPan(ViewState& view, const MouseDrag& drag, int dx, int dy, int viewportPx) {
    if (viewportPx <= 0) return;
    // The pan is applied in the cube's units before the turn and the scale: the cube spans the view.
    const double unitsPerPixel = (double(view.OrthoMax) - double(view.OrthoMin)) / viewportPx;
    view.PanX = Wrapped(int64_t{drag.Start.PanX} + std::llround(dx * unitsPerPixel));
    view.PanY = Wrapped(int64_t{drag.Start.PanY} - std::llround(dy * unitsPerPixel));
}

bool WheelZoom(ViewState& view, int steps) {
    for (int i = 0; i < steps; ++i) ZoomIn(view);
    for (int i = 0; i > steps; --i) ZoomOut(view);
    return steps != 0;
}

}  // namespace opt
