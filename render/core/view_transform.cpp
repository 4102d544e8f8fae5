#include "render/core/view_transform.h"

#include <cmath>
#include <numbers>

namespace opt {

namespace {

// Turns (a, b) by `degrees` in its own plane, counter-clockwise as glRotated does.
void Turn(double& a, double& b, int32_t degrees) {
    const double r = double(degrees) * std::numbers::pi / 180.0;
    const double c = std::cos(r), s = std::sin(r);
    const double a1 = a * c - b * s;
    b = a * s + b * c;
    a = a1;
}

}  // namespace

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
    return SetViewTransform(view, view.AngleX, view.AngleY, view.AngleZ, view.PanX + view.OffsetX,
                            view.PanY + view.OffsetY, view.OffsetZ);
}

Point3 TurnAndScale(int32_t ax, int32_t ay, int32_t az, float scale, const Point3& p) {
    Point3 q{p.x * scale, p.y * scale, p.z * scale};
    Turn(q.x, q.y, az);  // about z
    Turn(q.z, q.x, ay);  // about y
    Turn(q.y, q.z, ax);  // about x
    return q;
}

Point3 ViewPointOf(const ViewState& view, const Point3& p) {
    const ViewTransform t = MovedTransform(view);
    const Point3 q = TurnAndScale(view.AngleX, view.AngleY, view.AngleZ, t.Scale, p);
    return {q.x + t.TranslateX, q.y + t.TranslateY, q.z + t.TranslateZ};
}

Point3 ViewMiddle(const ViewState& view) {
    const double middle = (double(view.OrthoMin) + double(view.OrthoMax)) / 2.0;
    return {middle, middle, -middle};
}

}  // namespace opt
