#include "render/core/frame_face_draw.h"

namespace opt {

// One vertex entry number selects both the vertex and the texture-vertex entry.
static_assert(TVX::Classic == TTVX::Classic);

FaceDraw::FaceDraw(const ModelStore& store, Frame& frame)
    : store_(store), frame_(frame), shift_(store.Top_Textures != 0 ? 1 : 0) {
    blocks_.reserve(static_cast<size_t>(store.tvx.Size()));
    for (const VertexRecord& vx : store.tvx.Entries)
        blocks_.push_back({vx.X.data(), vx.Y.data(), vx.Z.data(), vx.Elements()});
}

void FaceDraw::DrawTextured(PrimitiveKind kind, int corners, int32_t mesh, TextureBinding t) {
    const int e = VertexEntry(mesh);
    if (e < 0 || !store_.ttvx.InRange(e)) return;
    const VertexRecord& vx = store_.tvx[e];
    const TexVertexRecord& tv = store_.ttvx[e];
    int32_t v[4], i[4];
    if (!CornersInBlock(kGroupVertex, corners, vx.Elements(), v) ||
        !CornersInBlock(kGroupTexVertex, corners, tv.Elements(), i))
        return;
    TexCoord* uv = nullptr;
    CopyCorners(blocks_[static_cast<size_t>(e)], v, corners, frame_.AddTextured(kind, t, corners, &uv));
    const float* u = tv.U.data();
    const float* w = tv.V.data();
    for (int k = 0; k < corners; ++k) uv[k] = TexCoord{u[i[k]], w[i[k]]};
}

}  // namespace opt
