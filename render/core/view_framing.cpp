#include "render/core/view_framing.h"

#include <cmath>

#include "render/core/view_transform.h"

namespace opt {

bool FrameModel(ViewState& view, const ModelStore& store) {
    const ModelBox box = BoxOf(store);
    if (box.Empty || view.OrthoMax <= view.OrthoMin) return false;
    const double dx = double(box.Max[0]) - box.Min[0];
    const double dy = double(box.Max[1]) - box.Min[1];
    const double dz = double(box.Max[2]) - box.Min[2];
    const double diagonal = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (!std::isfinite(diagonal) || diagonal <= 0.0) return false;
    const double span = double(view.OrthoMax) - double(view.OrthoMin);
    const double scale = kFrameFill * span / diagonal;
    // The scale the painter uses is a 32-bit float: one too small for it to hold frames nothing.
    if (!std::isfinite(static_cast<float>(scale)) || static_cast<float>(scale) <= 0.0f) return false;

    const Point3 centre = CentreOf(box);
    view.CentreX = centre.x;
    view.CentreY = centre.y;
    view.CentreZ = centre.z;
    view.ViewScale = scale;
    // The offset that takes the turned and scaled centre to the middle of the view, past the pan.
    const Point3 turned =
        TurnAndScale(view.AngleX, view.AngleY, view.AngleZ, static_cast<float>(view.ViewScale), centre);
    const Point3 middle = ViewMiddle(view);
    view.OffsetX = middle.x - view.PanX - turned.x;
    view.OffsetY = middle.y - view.PanY - turned.y;
    view.OffsetZ = middle.z - turned.z;
    return true;
}

}  // namespace opt
