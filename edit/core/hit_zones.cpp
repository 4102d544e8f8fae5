#include "edit/core/hit_zones.h"

#include <tuple>

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
    runEntry_ = -1;
    runFilled_ = false;
    unions_.assign(static_cast<size_t>(store_.tcb.Size()), TheHZ{});
    filled_.assign(static_cast<size_t>(store_.tcb.Size()), false);
}

TheHZ& HitZoneComputation::Box() {
    if (!current_) Begin();
    return *current_;
}

void HitZoneComputation::FaceHZ(int a, const CurFace& face, bool meshChanged, int32_t /*mesh*/) {
    if (meshChanged || a != runEntry_) {
        CloseRun();
        Box().Reset();
        runEntry_ = a;
    }
    AccumulateHZ(a, face);
}

void HitZoneComputation::Finish(std::optional<int> /*lastVertexEntry*/) {
    if (current_) CloseRun();
    current_.reset();
    runEntry_ = -1;
}

void HitZoneComputation::CloseRun() {
    const int k = runEntry_;
    if (!runFilled_ || !store_.tcb.InRange(k) || static_cast<size_t>(k) >= unions_.size()) return;
    runFilled_ = false;
    const TheHZ& run = Box();
    TheHZ& u = unions_[static_cast<size_t>(k)];
    if (!filled_[static_cast<size_t>(k)]) u.Reset();
    filled_[static_cast<size_t>(k)] = true;
    for (const auto& [lo, hi, runLo, runHi] :
         {std::tie(u.Min_X, u.Max_X, run.Min_X, run.Max_X), std::tie(u.Min_Y, u.Max_Y, run.Min_Y, run.Max_Y),
          std::tie(u.Min_Z, u.Max_Z, run.Min_Z, run.Max_Z)}) {
        Widen(runLo, lo, hi);
        Widen(runHi, lo, hi);
    }
    StoreHZ(k, u);
}

std::vector<int> HitZoneComputation::DescriptorsWithoutBox() const {
    std::vector<int> missed;
    for (int k = 0; k < store_.tcb.Size(); ++k)
        if (store_.tcb[k].Type == kMeshDescriptor &&
            (static_cast<size_t>(k) >= filled_.size() || !filled_[static_cast<size_t>(k)]))
            missed.push_back(k);
    return missed;
}

void HitZoneComputation::AccumulateHZ(int a, const CurFace& face) {
    if (!store_.tvx.InRange(a)) return;
    const VertexRecord& v = store_.tvx[a];
    const int used = face[3] == -1 ? 3 : 4;
    TheHZ& hz = Box();
    const std::pair<const float*, std::pair<float*, float*>> axes[3] = {
        {v.X.data(), {&hz.Min_X, &hz.Max_X}}, {v.Y.data(), {&hz.Min_Y, &hz.Max_Y}}, {v.Z.data(), {&hz.Min_Z, &hz.Max_Z}}};
    for (const auto& [values, bounds] : axes) {
        for (int k = 0; k < used; ++k) {
            const int32_t index = face[static_cast<size_t>(k)];
            if (index < 0 || index >= v.Elements()) continue;
            Widen(values[index], *bounds.first, *bounds.second);
            runFilled_ = true;
        }
    }
}

void HitZoneComputation::StoreHZ(int k, const TheHZ& hz) {
    if (!store_.tcb.InRange(k)) return;
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
