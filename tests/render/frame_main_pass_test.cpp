// The pass over all faces: colours, kinds, corner order, the level choice, "All Res", the shift of
// files whose first top-level entry is a texture, and faces that would read outside the tables.
#include <gtest/gtest.h>

#include "frame_test_support.h"
#include "model/errors.h"
#include "render/core/frame_resolution.h"

namespace frame_test {
namespace {

using Main = FrameTest;

TEST_F(Main, NothingIsDrawnWithoutALoadedModel) {
    AddQuad(0, 0, 0, 0, {0, 1, 2, 3});
    Draw();
    ASSERT_EQ(frame.Primitives().size(), 1u);
    selection.ModelLoaded = false;
    EXPECT_TRUE(Draw().empty());
}

TEST_F(Main, ChosenLevelIsOutlinedInTwoBluesWithCornersInFileOrder) {
    AddQuad(0, 0, 0, 0, {3, 1, 4, 2});
    AddTri(0, 1, 0, 0, {5, 9, 6});
    AddQuad(1, 0, 1, 1, {7, 8, 9, 10});  // level 1: not drawn at resolution 0
    AddTri(2, 0, 2, 0, {0, 2, 4});

    auto drawn = Draw();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].kind, PrimitiveKind::Quads);
    EXPECT_EQ(drawn[0].colour, kLevelQuad);
    EXPECT_EQ(drawn[0].vertices, Corners(0, {3, 1, 4, 2}));
    EXPECT_EQ(drawn[1].kind, PrimitiveKind::Triangles);
    EXPECT_EQ(drawn[1].colour, kLevelTri);
    EXPECT_EQ(drawn[1].vertices, Corners(0, {5, 9, 6}));
    EXPECT_EQ(drawn[2].vertices, Corners(2, {0, 2, 4}));
    for (const Drawn& d : drawn) {
        EXPECT_FALSE(d.textured);
        EXPECT_EQ(d.pointSize, 0.0f);
    }

    selection.Resolution = "1";
    drawn = Draw();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].vertices, Corners(1, {7, 8, 9, 10}));
    EXPECT_EQ(drawn[0].colour, kLevelQuad);
}

TEST_F(Main, AllResDrawsEveryLevelInGreenAlsoInTexturedDisplay) {
    AddQuad(0, 0, 0, 0, {0, 1, 2, 3});
    AddTri(1, 0, 0, 1, {4, 5, 6});
    AddQuad(2, 0, 1, 3, {1, 2, 3, 4});
    store->ttfd[0].Tex_Names[0] = "HULL";
    store->ttx.Unique_Names[0] = "HULL";
    store->ttx.Texture_Index[0] = 0;
    selection.AllRes = true;
    selection.Resolution = "not a number";  // not read while "All Res" is checked
    for (auto mode : {opt::SBRes, opt::SBWire}) {
        selection.DisplayMode.PutDown(mode);
        auto drawn = Draw();
        ASSERT_EQ(drawn.size(), 3u);
        EXPECT_EQ(drawn[0].kind, PrimitiveKind::Quads);
        EXPECT_EQ(drawn[1].kind, PrimitiveKind::Triangles);
        EXPECT_EQ(drawn[2].vertices, Corners(1, {1, 2, 3, 4}));
        for (const Drawn& d : drawn) {
            EXPECT_FALSE(d.textured);
            EXPECT_EQ(d.colour, kGreen);
        }
    }
}

TEST_F(Main, TopLevelTextureSkipsEntryZeroAndLowersTheVertexEntry) {
    AddTri(0, 0, 1, 0, {0, 1, 2});
    AddQuad(1, 0, 2, 0, {1, 2, 3, 4});
    AddTri(2, 0, 0, 0, {1, 2, 3});  // mesh 0 would need vertex entry -1

    EXPECT_EQ(Draw().size(), 3u);  // without the shift every entry is drawn from its own mesh's entry

    store->Top_Textures = 1;
    auto drawn = Draw();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].vertices, Corners(1, {1, 2, 3, 4}));
}

TEST_F(Main, EmptyEntriesAndEmptyFaceSlotsAreSteppedOver) {
    AddTri(0, 0, 0, 0, {0, 1, 2});
    AddTri(2, 0, 1, 0, {3, 4, 5});  // entry 1 has Count 0: the pass goes on past it
    AddTri(3, 1, 1, 0, {6, 7, 8});  // slot 0 of entry 3 holds no face
    store->ttfd[4] = store->ttfd[0];
    store->ttfd[4].Count = -3;  // a negative count holds no faces
    auto drawn = Draw();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1].vertices, Corners(1, {3, 4, 5}));
    EXPECT_EQ(drawn[2].vertices, Corners(1, {6, 7, 8}));
}

TEST_F(Main, FacesThatWouldReadOutsideTheTablesAreSkipped) {
    AddTri(0, 0, 0, 0, {0, 1, 2});
    AddTri(0, 1, 0, 0, {0, 1000, 2});
    AddTri(0, 2, 0, 0, {-1, 1, 2});
    AddQuad(0, 3, 0, 0, {0, 1234, 2, 3});
    AddQuad(0, 4, 0, 0, {0, 1, 2, -1});  // flagged as a quad but holding three corners
    AddTri(0, 5, 0, 0, {7, 8, 999});
    AddTri(1, 0, 9999, 0, {0, 1, 2});
    AddTri(2, 0, 50, 0, {0, 1, 2});
    AddTri(3, 0, -4, 0, {0, 1, 2});
    AddTri(4, 0, 49, 0, {0, 1, 2});
    store->tvx[0].X[999] = 5.0f;

    auto drawn = Draw();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].vertices, Corners(0, {0, 1, 2}));
    EXPECT_EQ(drawn[1].vertices[2].x, 5.0f);
    EXPECT_EQ(drawn[2].vertices[0].x, opt::kUnsetReal);  // entry 49 exists, unloaded
}

TEST_F(Main, CountAboveTheBlockCapacityDrawsTheFiftyStoredFaces) {
    for (int j = 0; j < opt::kMaxFaces; ++j) AddTri(0, j, 0, 0, {0, 1, 2});
    store->ttfd[0].Count = 1000000;
    EXPECT_EQ(Draw().size(), static_cast<size_t>(opt::kMaxFaces));
}

TEST_F(Main, EachDrawReplacesThePreviousFrame) {
    AddQuad(0, 0, 0, 0, {0, 1, 2, 3});
    Draw();
    auto again = Draw();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(frame.VertexCount(), 4u);
}

TEST_F(Main, ResolutionTextThatIsNotAnIntegerStopsTheDraw) {
    AddQuad(0, 0, 0, 0, {0, 1, 2, 3});
    selection.Resolution = "1.5";
    try {
        Draw();
        FAIL() << "no error raised";
    } catch (const opt::OptError& e) {
        EXPECT_STREQ(e.what(), "'1.5' is not a valid integer value");
    }

    store->ttfd[0].Vertex(0)[0] = opt::kUnsetIndex;  // no face visited: the text is never read
    EXPECT_NO_THROW(Draw());
}

TEST(ResolutionValue, AcceptsOnlyASignedDecimalInteger) {
    EXPECT_EQ(opt::ResolutionValue("0"), 0);
    EXPECT_EQ(opt::ResolutionValue("3"), 3);
    EXPECT_EQ(opt::ResolutionValue("-2"), -2);
    EXPECT_EQ(opt::ResolutionValue("+1"), 1);
    EXPECT_EQ(opt::ResolutionValue("007"), 7);
    for (const char* bad : {"", " 1", "1 ", "1.0", "0x1", "+", "-", "+-1", "2147483648", "Hi"}) {
        EXPECT_THROW(opt::ResolutionValue(bad), opt::OptError) << '"' << bad << '"';
    }
    EXPECT_EQ(opt::ResolutionValue("-2147483648"), INT32_MIN);
}

}  // namespace
}  // namespace frame_test
