#include "render/core/frame_face_draw.h"

namespace opt {

// One vertex entry number selects both the vertex and the texture-vertex entry.
static_assert(TVX::Classic == TTVX::Classic);

FaceDraw::FaceDraw(const ModelStore& store, Frame& frame, HitZoneHook* hitZones)
    : store_(store), frame_(frame), hitZones_(hitZones), shift_(store.Top_Textures != 0 ? 1 : 0) {}

void FaceDraw::DrawTextured(PrimitiveKind kind, int corners, int32_t mesh, TextureBinding t) {
    const int e = VertexEntry(mesh);
    if (e < 0 || !store_.ttvx.InRange(e)) return;
    const VertexRecord& vx = store_.tvx[e];
    const TexVertexRecord& tv = store_.ttvx[e];
    if (!CornersInBlock(kGroupVertex, corners, vx.Elements()) ||
        !CornersInBlock(kGroupTexVertex, corners, tv.Elements()))
        return;
    TexCoord* uv = nullptr;
    CopyCorners(vx, corners, frame_.AddTextured(kind, t, corners, &uv));
    for (int k = 0; k < corners; ++k) {
        const int32_t i = Index(kGroupTexVertex * 4 + k);
        uv[k] = TexCoord{tv.U[i], tv.V[i]};
    }
}

}  // namespace opt
