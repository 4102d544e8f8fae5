// Textured display: which texture each face binds and the texture coordinates of its corners.
#include <gtest/gtest.h>

#include "frame_test_support.h"

namespace frame_test {
namespace {

class Textured : public FrameTest {
protected:
    Textured() { selection.DisplayMode.PutDown(opt::SBWire); }

    void Name(int k, const std::string& name, int32_t record) {
        store->ttx.Unique_Names[k] = name;
        store->ttx.Texture_Index[k] = record;
    }
    // Entry i holds one triangle of mesh 0 at level lod whose first pending texture name is name.
    void Face(int i, const std::string& name, int32_t lod = 0) {
        AddTri(i, 0, 0, lod, {i, i + 1, i + 2});
        store->ttfd[i].Tex_Names[0] = name;
    }
    std::vector<opt::TextureBinding> Bindings() {
        std::vector<opt::TextureBinding> out;
        for (const Drawn& d : Draw()) {
            EXPECT_TRUE(d.textured);
            out.push_back(d.texture);
        }
        return out;
    }
};

TEST_F(Textured, FaceBindsItsTextureAndCarriesTexCoordsInCornerOrder) {
    Name(0, "HULL", 0);
    AddQuad(0, 0, 1, 0, {4, 2, 3, 1});
    store->ttfd[0].Tex_Names[0] = "HULL";
    AddTri(0, 1, 1, 0, {5, 6, 7});
    auto drawn = Draw();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(drawn[0].textured);
    EXPECT_EQ(drawn[0].kind, PrimitiveKind::Quads);
    EXPECT_EQ(drawn[0].texture, (opt::TextureBinding{0, 0}));
    EXPECT_EQ(drawn[0].vertices, Corners(1, {4, 2, 3, 1}));
    // Texture-vertex indices are the vertex indices + 1 in this store; entry 1 holds U = 1 + 0.01 t.
    const auto& tv = store->ttvx[1];
    EXPECT_EQ(drawn[0].uv,
              (std::vector<opt::TexCoord>{
                  {tv.U[5], tv.V[5]}, {tv.U[3], tv.V[3]}, {tv.U[4], tv.V[4]}, {tv.U[2], tv.V[2]}}));
    EXPECT_EQ(drawn[1].kind, PrimitiveKind::Triangles);
    EXPECT_EQ(drawn[1].uv.size(), 3u);
    EXPECT_EQ(drawn[1].uv[2], (opt::TexCoord{tv.U[8], tv.V[8]}));
}

TEST_F(Textured, NamesAreComparedTrimmedAndCaseSensitivelyFirstMatchWins) {
    Name(0, "hull", 0);
    Name(1, "HULL \t", 1);
    Name(2, "HULL", 5);  // a later entry of the same name is never chosen
    Name(3, "GUN", 3);
    Face(0, std::string("HULL\0\0", 6));
    Face(1, "gun");  // no entry of that case
    Face(2, "GUN  ");
    EXPECT_EQ(Bindings(), (std::vector<opt::TextureBinding>{{1, 1}, {1, 1}, {3, 3}}));
}

TEST_F(Textured, UnmatchedNameKeepsTheTextureOfTheFaceVisitedBefore) {
    Name(0, "A", 0);
    Name(1, "B", 1);
    Face(0, "nothing");  // nothing found yet in this frame
    Face(1, "B", 1);     // visited, not drawn at level 0, still sets the texture
    Face(2, "missing");
    Face(3, "A");
    Face(4, "");  // an empty name meets the first unused list entry: no texture
    Face(5, "missing");
    EXPECT_EQ(Bindings(), (std::vector<opt::TextureBinding>{{-1, -1}, {1, 1}, {0, 0}, {-1, -1}, {-1, -1}}));

    // The texture does not carry over to the next frame.
    store->ttfd[3].Count = 0;
    store->ttfd[1].Count = 0;
    store->ttfd[4].Count = 0;
    EXPECT_EQ(Bindings(), (std::vector<opt::TextureBinding>{{-1, -1}, {-1, -1}, {-1, -1}}));
}

TEST_F(Textured, RepeatedNamesBindTheListEntryAndReportItsRecord) {
    // Texture records 0 and 1 share the name A, so B's list entry 1 names record 2.
    Name(0, "A", 0);
    Name(1, "B", 2);
    Face(0, "B");
    EXPECT_EQ(Bindings(), (std::vector<opt::TextureBinding>{{1, 2}}));
}

TEST_F(Textured, TexVertexIndicesOutsideTheBlockSkipTheFace) {
    AddTri(0, 0, 0, 0, {0, 1, 2});
    AddTri(0, 1, 0, 0, {3, 4, 5});
    store->ttfd[0].TexVertex(1)[0] = 1000;
    store->ttfd[0].TexVertex(2)[1] = -1;
    AddTri(0, 2, 0, 0, {6, 7, 8});
    auto drawn = Draw();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].vertices, Corners(0, {6, 7, 8}));
}

}  // namespace
}  // namespace frame_test
