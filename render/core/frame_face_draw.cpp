#include "render/core/frame_face_draw.h"

namespace opt {

// One vertex entry number selects both the vertex and the texture-vertex entry.
static_assert(kMaxVertexBlocks == kMaxTexVertexBlocks);

FaceDraw::FaceDraw(const ModelStore& store, Frame& frame, HitZoneHook* hitZones)
    : store_(store), frame_(frame), hitZones_(hitZones), shift_(store.Top_Textures != 0 ? 1 : 0) {}

void FaceDraw::DrawTextured(PrimitiveKind kind, int corners, int32_t mesh, TextureBinding t) {
    const int e = VertexEntry(mesh);
    if (e < 0 || !CornersInBlock(kGroupVertex, corners) || !CornersInBlock(kGroupTexVertex, corners)) return;
    TexCoord* uv = nullptr;
    CopyCorners(store_.tvx[e], corners, frame_.AddTextured(kind, t, corners, &uv));
    const TexVertexRecord& tv = store_.ttvx[e];
    for (int k = 0; k < corners; ++k) {
        const int32_t i = Index(kGroupTexVertex * 4 + k);
        uv[k] = TexCoord{tv.U[i], tv.V[i]};
    }
}

}  // namespace opt
