// The face draws of one frame: LoadFace makes a face the current one, and DrawQuad, DrawTri,
// DrawTexQuad and DrawTexTri turn it into one primitive each. A face takes its
// vertices (and texture coordinates) from vertex entry e = Mesh - s, where s = 1 when a top-level
// entry of the file was a texture.
//
// A face whose vertex entry lies outside the vertex table, or whose used vertex or texture-vertex
// indices lie outside the slots of their block (0..999 in a classic block), is not drawn: the file is not
// trusted to stay inside the tables.
#pragma once

#include <cstdint>
#include <vector>

#include "model/store.h"
#include "render/core/frame.h"

namespace opt {

class FaceDraw {
public:
    FaceDraw(const ModelStore& store, Frame& frame);

    // s: 1 when Top_Textures is set, else 0.
    int Shift() const { return shift_; }

    // Makes face j of face-data entry fd the current face. Its 16 indices are read in place.
    void LoadFace(const FaceDataRecord& fd, int j) {
        if (face_ != &fd) {
            face_ = &fd;
            for (int k = 0; k < 4; ++k) vertexIndex_[k] = fd.Vertex(k);
        }
        j_ = j;
    }
    void DrawQuad(int32_t mesh, Rgb colour) { DrawColoured(PrimitiveKind::Quads, 4, mesh, colour); }
    void DrawTri(int32_t mesh, Rgb colour) { DrawColoured(PrimitiveKind::Triangles, 3, mesh, colour); }
    void DrawTexQuad(int32_t mesh, TextureBinding t) { DrawTextured(PrimitiveKind::Quads, 4, mesh, t); }
    void DrawTexTri(int32_t mesh, TextureBinding t) { DrawTextured(PrimitiveKind::Triangles, 3, mesh, t); }

private:
    // The face draws are inline: they run for every one of up to 10,000 faces per redraw.
    void DrawColoured(PrimitiveKind kind, int corners, int32_t mesh, Rgb colour) {
        const int e = VertexEntry(mesh);
        if (e < 0) return;
        const BlockView& block = blocks_[static_cast<size_t>(e)];
        int32_t v[4];
        for (int k = 0; k < corners; ++k) {
            v[k] = vertexIndex_[k][j_];
            if (v[k] < 0 || v[k] >= block.slots) return;
        }
        CopyCorners(block, v, corners, frame_.AddColoured(kind, colour, 0, corners));
    }
    void DrawTextured(PrimitiveKind kind, int corners, int32_t mesh, TextureBinding t);
    // Vertex entry of a mesh number, or -1 when it lies outside the vertex table.
    // Index n (0..15) of the current face: Vertex, Edge, TexVertex, VxNormal.
    int32_t Index(int n) const { return face_->Indices[n][j_]; }
    int VertexEntry(int32_t mesh) const {
        const int64_t e = int64_t{mesh} - shift_;
        return e >= 0 && e < static_cast<int64_t>(blocks_.size()) ? static_cast<int>(e) : -1;
    }
    // Whether the first `corners` indices of group `group` of the current face lie inside a block of `slots`;
    // the indices are kept in index[] (read once: the frame's arrays are written between).
    bool CornersInBlock(int group, int corners, int slots, int32_t* index) const {
        for (int k = 0; k < corners; ++k) {
            index[k] = Index(group * 4 + k);
            if (index[k] < 0 || index[k] >= slots) return false;
        }
        return true;
    }
    // A vertex block as the face draws read it: its planes and its number of slots, gathered once
    // per frame so that a face costs no lookups through the table.
    struct BlockView {
        const float* x;
        const float* y;
        const float* z;
        int slots;
    };
    static void CopyCorners(const BlockView& b, const int32_t* v, int corners, FrameVertex* out) {
        for (int k = 0; k < corners; ++k) out[k] = FrameVertex{b.x[v[k]], b.y[v[k]], b.z[v[k]]};
    }

    const ModelStore& store_;
    std::vector<BlockView> blocks_;
    const int32_t* vertexIndex_[4] = {};  // the current face-data record's Vertex_0..3 arrays
    Frame& frame_;
    int shift_;
    const FaceDataRecord* face_ = nullptr;
    int j_ = 0;
};

}  // namespace opt
