#include "render/core/view_state.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "render/core/view_number_text.h"

namespace opt {

namespace {

// Start values of the running extremes: any stored coordinate replaces them.
constexpr float kHiStart = -999999.0f;
constexpr float kLoStart = 999999.0f;

int64_t ClampToInt32(double v) {
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    if (std::isnan(v)) return 0;
    return static_cast<int64_t>(std::clamp(v, lo, hi));
}

// round (nearest, halves to even) plus a third of it, the third truncated toward zero. Coordinates
// too large for the cube's integers saturate instead of overflowing.
int32_t ExtendByThird(float extreme) {
    const int64_t r = ClampToInt32(std::nearbyint(static_cast<double>(extreme)));
    const int64_t bound = r + r / 3;
    return static_cast<int32_t>(
        std::clamp<int64_t>(bound, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

void ResetViewAtCreate(ViewState& view) {
    view.LoadCount = 0;
    view.TexUploads = 0;
    view.PanX = 0;
    view.PanY = 0;
    view.ResizeGuard = true;
}

void ResetTurnAndScale(ViewState& view) {
    view.AngleX = 0;
    view.AngleY = 0;
    view.AngleZ = 0;
    view.ViewScale = 1.0;
    view.OffsetX = 0.0;
    view.OffsetY = 0.0;
    view.OffsetZ = 0.0;
}

void ResetViewAfterLoad(ViewState& view) {
    view.PanX = 0;
    view.PanY = 0;
    ResetTurnAndScale(view);
}

ViewCamera CameraOf(const ViewState& view) {
    return {view.AngleX, view.AngleY,  view.AngleZ,  view.ViewScale, view.PanX,
            view.PanY,   view.OffsetX, view.OffsetY, view.OffsetZ};
}

void SetCamera(ViewState& view, const ViewCamera& camera) {
    view.AngleX = camera.AngleX;
    view.AngleY = camera.AngleY;
    view.AngleZ = camera.AngleZ;
    view.ViewScale = camera.ViewScale;
    view.PanX = camera.PanX;
    view.PanY = camera.PanY;
    view.OffsetX = camera.OffsetX;
    view.OffsetY = camera.OffsetY;
    view.OffsetZ = camera.OffsetZ;
}

ModelBox BoxOf(const ModelStore& store) {
    ModelBox box{{kLoStart, kLoStart, kLoStart}, {kHiStart, kHiStart, kHiStart}, true};
    for (int e = 0; e < store.tvx.Size(); ++e) {
        const VertexRecord& block = store.tvx[e];
        // The first unset block ends the scan; inside a block the first unset x ends that block.
        if (block.X[0] == kUnsetReal) break;
        for (int v = 0; v < block.Elements(); ++v) {
            if (block.X[v] == kUnsetReal) break;
            box.Empty = false;
            const float c[3] = {block.X[v], block.Y[v], block.Z[v]};
            for (int a = 0; a < 3; ++a) {
                if (c[a] > box.Max[a]) box.Max[a] = c[a];
                if (c[a] < box.Min[a]) box.Min[a] = c[a];
            }
        }
    }
    return box;
}

OrthoRange ComputeOrtho(const ModelStore& store) { return OrthoOfBox(BoxOf(store)); }

OrthoRange OrthoOfBox(const ModelBox& box) {
    // One cube for all three axes: the lowest and the highest coordinate of any axis.
    const float lo = std::min({box.Min[0], box.Min[1], box.Min[2]});
    const float hi = std::max({box.Max[0], box.Max[1], box.Max[2]});
    return {ExtendByThird(lo), ExtendByThird(hi)};
}

void FitOrtho(ViewState& view, const ModelStore& store) {
    const ModelBox box = BoxOf(store);
    const OrthoRange r = OrthoOfBox(box);
    view.OrthoMin = r.Min;
    view.OrthoMax = r.Max;
    const Point3 centre = CentreOf(box);
    view.CentreX = centre.x;
    view.CentreY = centre.y;
    view.CentreZ = centre.z;
}

Point3 CentreOf(const ModelBox& box) {
    if (box.Empty) return {};
    const auto middle = [&box](int a) { return (double(box.Min[a]) + double(box.Max[a])) / 2.0; };
    return {middle(0), middle(1), middle(2)};
}

std::string ModelSizeText(const ModelStore& store) {
    float lo = kLoStart;
    float hi = kHiStart;
    for (const DescriptorRecord& d : store.tcb.Entries) {
        if (d.Data_Offset == 0) continue;
        if (d.HZ_Min[1] < lo) lo = d.HZ_Min[1];
        if (d.HZ_Max[1] > hi) hi = d.HZ_Max[1];
    }
    const float length = hi - lo;
    const double rounded = std::nearbyint(static_cast<double>(length));
    const float meters = static_cast<float>(rounded / kUnitsPerMeter);
    return FormatFixed(meters, 6, 0, '.');
}

std::string SizeStatusText(const ModelStore& store) { return "Size= " + ModelSizeText(store) + "   Meters"; }

std::string ScaleText(double viewScale, char decimalSeparator) {
    return FormatGeneral15(static_cast<float>(viewScale), decimalSeparator);
}

std::string ScaleStatusText(const ViewState& view, char decimalSeparator) {
    return "Scale= " + ScaleText(view.ViewScale, decimalSeparator);
}

}  // namespace opt
