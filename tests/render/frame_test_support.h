// A hand-filled model store and selection for the frame-builder tests, and a readable form of the
// primitives a frame holds.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/store.h"
#include "render/core/frame.h"
#include "render/core/frame_builder.h"
#include "state/selection_state.h"

namespace frame_test {

using opt::FrameVertex;
using opt::PrimitiveKind;
using opt::Rgb;

// What one primitive asks the painter to do.
struct Drawn {
    PrimitiveKind kind;
    bool textured;
    Rgb colour;
    float pointSize;
    std::vector<FrameVertex> vertices;
    std::vector<opt::TexCoord> uv;
    opt::TextureBinding texture;
};

inline std::vector<Drawn> Primitives(const opt::Frame& frame) {
    std::vector<Drawn> out;
    for (const opt::Primitive& p : frame.Primitives()) {
        auto v = frame.Vertices(p);
        auto uv = frame.TexCoords(p);
        out.push_back(Drawn{p.Kind,
                            p.Textured,
                            p.Colour,
                            static_cast<float>(p.PointSize),
                            {v.begin(), v.end()},
                            {uv.begin(), uv.end()},
                            p.Texture});
    }
    return out;
}

// Vertex v of vertex entry e sits at (100e + v, 2v, -v) unless a test moves it.
inline FrameVertex VertexAt(int e, int v) {
    return FrameVertex{100.0f * static_cast<float>(e) + static_cast<float>(v), 2.0f * static_cast<float>(v),
                       -static_cast<float>(v)};
}

class FrameTest : public ::testing::Test {
protected:
    FrameTest() {
        for (int e = 0; e < 4; ++e) {
            for (int v = 0; v < 20; ++v) {
                const FrameVertex p = VertexAt(e, v);
                store->tvx[e].X[v] = p.x;
                store->tvx[e].Y[v] = p.y;
                store->tvx[e].Z[v] = p.z;
                store->ttvx[e].U[v] = static_cast<float>(e) + 0.01f * static_cast<float>(v);
                store->ttvx[e].V[v] = 0.5f * static_cast<float>(v);
            }
        }
        store->txw.Meshes[0].Num_Jumps = 3;  // the first top-level entry is a mesh with children
        selection.ModelLoaded = true;
        selection.DisplayMode.PutDown(opt::SBRes);  // a mode with no overlay of its own
    }

    // Face j of face-data entry i: a quad when v3 is given, else a triangle (fourth index -1).
    void AddFace(int i, int j, int32_t mesh, int32_t lod, std::array<int32_t, 3> v,
                 std::optional<int32_t> v3 = std::nullopt) {
        opt::FaceDataRecord& fd = store->ttfd[i];
        fd.Count = std::max(fd.Count, j + 1);
        fd.Mesh = mesh;
        fd.LOD = lod;
        for (int k = 0; k < 3; ++k) {
            fd.Vertex(k)[j] = v[static_cast<size_t>(k)];
            fd.TexVertex(k)[j] = v[static_cast<size_t>(k)] + 1;
        }
        fd.Vertex(3)[j] = v3.value_or(-1);
        fd.TexVertex(3)[j] = v3 ? *v3 + 1 : -1;
        fd.Quad[opt::kGroupVertex][j] = v3 ? 1 : 0;
    }
    void AddQuad(int i, int j, int32_t mesh, int32_t lod, std::array<int32_t, 4> v) {
        AddFace(i, j, mesh, lod, {v[0], v[1], v[2]}, v[3]);
    }
    void AddTri(int i, int j, int32_t mesh, int32_t lod, std::array<int32_t, 3> v) {
        AddFace(i, j, mesh, lod, v);
    }

    std::vector<Drawn> Draw() {
        opt::DrawModel(*store, selection, frame);
        return Primitives(frame);
    }

    std::unique_ptr<opt::ModelStore> store = std::make_unique<opt::ModelStore>();
    opt::SelectionState selection;
    opt::Frame frame;
};

inline constexpr Rgb kLevelQuad{0.0f, 0.1f, 0.9f};
inline constexpr Rgb kLevelTri{0.0f, 0.4f, 0.9f};
inline constexpr Rgb kGreen{0.0f, 1.0f, 0.0f};
inline constexpr Rgb kRed{1.0f, 0.0f, 0.0f};

inline std::vector<FrameVertex> Corners(int e, std::vector<int> v) {
    std::vector<FrameVertex> out;
    for (int i : v) out.push_back(VertexAt(e, i));
    return out;
}

}  // namespace frame_test
