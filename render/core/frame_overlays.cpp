#include "render/core/frame_overlays.h"

namespace opt {

namespace {

constexpr Rgb kSelected{1.0f, 0.0f, 0.0f};
constexpr Rgb kHardpointColour{0.5f, 0.9f, 0.5f};
constexpr Rgb kHitZoneDiagonal{0.3f, 0.8f, 0.2f};
constexpr Rgb kBoxSide{0.8f, 0.8f, 0.5f};

// Mesh types whose target square is centred on the hit-zone centre: SMALLGUN, SHIELDGEN, LAUNCHER,
// ROTGUNTURRET, ROTCOMMSYS, ROTCOMMANDBEAM.
bool TargetsHitZoneCentre(int32_t meshType) {
    switch (meshType) {
        case 5:
        case 8:
        case 10:
        case 21:
        case 23:
        case 25:
            return true;
        default:
            return false;
    }
}

void Point(Frame& frame, Rgb colour, uint8_t size, FrameVertex at) {
    *frame.AddColoured(PrimitiveKind::Points, colour, size, 1) = at;
}

void Quad(Frame& frame, Rgb colour, FrameVertex a, FrameVertex b, FrameVertex c, FrameVertex d) {
    FrameVertex* v = frame.AddColoured(PrimitiveKind::Quads, colour, 0, 4);
    v[0] = a;
    v[1] = b;
    v[2] = c;
    v[3] = d;
}

FrameVertex Triple(const float (&xyz)[3]) { return FrameVertex{xyz[0], xyz[1], xyz[2]}; }

void HitZoneBox(const DescriptorRecord& d, Frame& frame) {
    const float x0 = d.HZ_Min[0], y0 = d.HZ_Min[1], z0 = d.HZ_Min[2];
    const float x1 = d.HZ_Max[0], y1 = d.HZ_Max[1], z1 = d.HZ_Max[2];
    Point(frame, kSelected, 3, Triple(d.HZ_Centre));
    FrameVertex* diagonal = frame.AddColoured(PrimitiveKind::Lines, kHitZoneDiagonal, 0, 2);
    diagonal[0] = {x0, y0, z0};
    diagonal[1] = {x1, y1, z1};
    // The sides of constant z, then of constant x; the two of constant y are not drawn.
    Quad(frame, kBoxSide, {x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0});
    Quad(frame, kBoxSide, {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1});
    Quad(frame, kBoxSide, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}, {x0, y0, z0});
    Quad(frame, kBoxSide, {x1, y1, z1}, {x1, y0, z1}, {x1, y0, z0}, {x1, y1, z0});
}

}  // namespace

bool ShowSelVertex(const ModelStore& store, int32_t selectedMesh, int32_t selectedVertex, Frame& frame) {
    if (!store.tvx.InRange(selectedMesh) || selectedVertex < 0 ||
        selectedVertex >= store.tvx[selectedMesh].Elements())
        return false;
    const VertexRecord& vx = store.tvx[selectedMesh];
    Point(frame, kSelected, 2, {vx.X[selectedVertex], vx.Y[selectedVertex], vx.Z[selectedVertex]});
    return true;
}

void ShowHardpoints(const ModelStore& store, Frame& frame) {
    for (const HardpointRecord& hp : store.ttbh.Entries) {
        if (hp.Data_Offset != 0) Point(frame, kHardpointColour, 2, {hp.X, hp.Y, hp.Z});
    }
}

void ShowSelHardpoint(const ModelStore& store, int32_t editIndex, Frame& frame) {
    if (!store.ttbh.InRange(editIndex)) return;
    const HardpointRecord& hp = store.ttbh[editIndex];
    Point(frame, kSelected, 2, {hp.X, hp.Y, hp.Z});
}

void ShowHitZones(const ModelStore& store, Frame& frame) {
    for (const DescriptorRecord& d : store.tcb.Entries) {
        if (d.Data_Offset != 0) HitZoneBox(d, frame);
    }
}

void ShowTargetBox(const ModelStore& store, int32_t editIndex, Frame& frame) {
    if (!store.tcb.InRange(editIndex)) return;
    const DescriptorRecord& d = store.tcb[editIndex];
    const FrameVertex c = Triple(TargetsHitZoneCentre(d.Mesh_Type) ? d.HZ_Centre : d.Target);
    Quad(frame, kBoxSide, {c.x + 200, c.y + 200, c.z}, {c.x + 200, c.y - 200, c.z},
         {c.x - 200, c.y - 200, c.z}, {c.x - 200, c.y + 200, c.z});
}

void ShowCentres(const ModelStore& store, Frame& frame) {
    for (const RotScaleRecord& r : store.trsh.Entries) {
        if (r.Type == opt::kRotScale) Point(frame, kSelected, 4, Triple(r.Centre));
    }
}

}  // namespace opt
