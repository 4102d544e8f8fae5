#include "edit/core/hit_zones.h"

namespace opt {

namespace {
constexpr float kResetMin = 999999.0f;
constexpr float kResetMax = -999999.0f;

void Widen(float v, float& lo, float& hi) {
    if (v < lo) lo = v;
    if (v > hi) hi = v;
}
}  // namespace

void TheHZ::Reset() {
    Min_X = Min_Y = Min_Z = kResetMin;
    Max_X = Max_Y = Max_Z = kResetMax;
}

void HitZoneComputation::Begin() {
    current_ = std::make_unique<TheHZ>();
    current_->Reset();
}

TheHZ& HitZoneComputation::Box() {
    if (!current_) Begin();
    return *current_;
}

void HitZoneComputation::FaceHZ(int a, const CurFace& face, bool meshChanged, int32_t /*mesh*/) {
    if (meshChanged) {
        if (a - 1 >= 0) StoreHZ(a - 1);
        Box().Reset();
    }
    AccumulateHZ(a, face);
}

void HitZoneComputation::Finish(std::optional<int> lastVertexEntry) {
    if (lastVertexEntry && current_) StoreHZ(*lastVertexEntry);
    current_.reset();
}

void HitZoneComputation::AccumulateHZ(int a, const CurFace& face) {
    if (!TVX::InRange(a)) return;
    const VertexRecord& v = store_.tvx[a];
    const int used = face[3] == -1 ? 3 : 4;
    TheHZ& hz = Box();
    const std::pair<const float*, std::pair<float*, float*>> axes[3] = {
        {v.X, {&hz.Min_X, &hz.Max_X}}, {v.Y, {&hz.Min_Y, &hz.Max_Y}}, {v.Z, {&hz.Min_Z, &hz.Max_Z}}};
    for (const auto& [values, bounds] : axes) {
        for (int k = 0; k < used; ++k) {
            const int32_t index = face[static_cast<size_t>(k)];
            if (index < 0 || index >= kMaxElements) continue;
            Widen(values[index], *bounds.first, *bounds.second);
        }
    }
}

void HitZoneComputation::StoreHZ(int k) {
    if (!TCB::InRange(k)) return;
    const TheHZ& hz = Box();
    DescriptorRecord& d = store_.tcb[k];
    const float mins[3] = {hz.Min_X, hz.Min_Y, hz.Min_Z};
    const float maxs[3] = {hz.Max_X, hz.Max_Y, hz.Max_Z};
    for (int i = 0; i < 3; ++i) {
        d.HZ_Min[i] = mins[i];
        d.HZ_Max[i] = maxs[i];
        d.HZ_Span[i] = static_cast<float>(double{maxs[i]} - double{mins[i]});
        d.HZ_Centre[i] = static_cast<float>(double{d.HZ_Span[i]} / -2.0 + double{maxs[i]});
    }
}

}  // namespace opt
