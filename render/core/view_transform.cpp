#include "render/core/view_transform.h"

namespace opt {

OrthoCube OrthoCubeOf(const ViewState& view) {
    const double lo = view.OrthoMin;
    const double hi = view.OrthoMax;
    return {lo, hi, lo, hi, lo, hi};
}

ViewTransform SetViewTransform(const ViewState& view, double ax, double ay, double az, double px, double py,
                               double pz) {
    return {px, py, pz, ax, ay, az, static_cast<float>(view.ViewScale)};
}

ViewTransform MovedTransform(const ViewState& view) {
    return SetViewTransform(view, view.AngleX, view.AngleY, view.AngleZ, view.PanX, view.PanY, 0.0);
}

}  // namespace opt
