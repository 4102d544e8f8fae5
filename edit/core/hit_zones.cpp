#include "edit/core/hit_zones.h"

#include <map>

#include "model/level_faces.h"

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

bool AccumulateHZ(TheHZ& hz, const VertexRecord& v, const FaceDataRecord& fd, int j) {
    const int corners = FaceCorners(fd, j);
    const int stored = StoredElements(v);
    const std::pair<const float*, std::pair<float*, float*>> axes[3] = {{v.X.data(), {&hz.Min_X, &hz.Max_X}},
                                                                        {v.Y.data(), {&hz.Min_Y, &hz.Max_Y}},
                                                                        {v.Z.data(), {&hz.Min_Z, &hz.Max_Z}}};
    bool inside = false;
    for (const auto& [values, bounds] : axes) {
        for (int k = 0; k < corners; ++k) {
            const int32_t index = fd.Vertex(k)[j];
            if (index < 0 || index >= stored) continue;
            Widen(values[index], *bounds.first, *bounds.second);
            inside = true;
        }
    }
    return inside;
}

void StoreHZ(DescriptorRecord& d, const TheHZ& hz) {
    const float mins[3] = {hz.Min_X, hz.Min_Y, hz.Min_Z};
    const float maxs[3] = {hz.Max_X, hz.Max_Y, hz.Max_Z};
    for (int i = 0; i < 3; ++i) {
        d.HZ_Min[i] = mins[i];
        d.HZ_Max[i] = maxs[i];
        d.HZ_Span[i] = static_cast<float>(double{maxs[i]} - double{mins[i]});
        d.HZ_Centre[i] = static_cast<float>(double{d.HZ_Span[i]} / -2.0 + double{maxs[i]});
    }
}

std::map<int32_t, TheHZ> MeshHitZones(const ModelStore& store, int32_t lod) {
    std::map<int32_t, TheHZ> boxes;  // by mesh: the meshes whose faces reached a vertex
    WalkLevelFaces(StoreRecords(store), lod, [&](const FaceDataRecord& fd, int j, const MeshRecords& own) {
        if (own.Vertices == nullptr) return;
        const auto found = boxes.find(fd.Mesh);
        TheHZ box = found != boxes.end() ? found->second : TheHZ{};
        if (AccumulateHZ(box, *own.Vertices, fd, j)) boxes.insert_or_assign(fd.Mesh, box);
    });
    return boxes;
}

std::vector<int> ComputeHitZones(const ModelStore& store, TCB& descriptors, int32_t lod) {
    const std::map<int32_t, TheHZ> boxes = MeshHitZones(store, lod);
    std::vector<int> missed;
    for (int k = 0; k < descriptors.Size(); ++k) {
        DescriptorRecord& d = descriptors[k];
        if (d.Type != kMeshDescriptor) continue;
        const auto box = boxes.find(d.Mesh);
        if (box != boxes.end()) {
            StoreHZ(d, box->second);
        } else {
            missed.push_back(k);
        }
    }
    return missed;
}

std::vector<int> ComputeHitZones(ModelStore& store, int32_t lod) {
    return ComputeHitZones(store, store.tcb, lod);
}

std::string MeshesWithoutBoxLine(const std::vector<int>& withoutBox) {
    std::string list;
    for (int k : withoutBox) list += (list.empty() ? "" : ", ") + std::to_string(k);
    if (list.empty()) return list;
    return "No hit zone computed for mesh descriptor(s) " + list +
           ": no face of that mesh is drawn at resolution 0, so they keep the values they hold.";
}

}  // namespace opt
