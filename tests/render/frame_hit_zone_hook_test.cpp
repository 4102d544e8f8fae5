// The hit-zone hook: called only while SBHZ is down, from the untextured face draws of the main
// pass, with the vertex entry, CurFace and Mesh_Changed that the accumulation needs.
#include <gtest/gtest.h>

#include "frame_test_support.h"
#include "model/errors.h"

namespace frame_test {
namespace {

struct Call {
    std::string what;
    int entry = 0;
    opt::CurFace face{};
    bool meshChanged = false;
    int32_t mesh = 0;
    std::optional<int> last;
};

class Recorder : public opt::HitZoneHook {
public:
    void Begin() override { calls.push_back({"Begin", 0, {}, false, 0, std::nullopt}); }
    void FaceHZ(int vertexEntry, const opt::CurFace& face, bool meshChanged, int32_t mesh) override {
        calls.push_back({"FaceHZ", vertexEntry, face, meshChanged, mesh, std::nullopt});
    }
    void Finish(std::optional<int> lastVertexEntry) override {
        calls.push_back({"Finish", 0, {}, false, 0, lastVertexEntry});
    }
    std::vector<Call> calls;
};

class Hook : public FrameTest {
protected:
    Hook() { selection.DisplayMode.PutDown(opt::SBHZ); }
    // (vertex entry, Mesh_Changed) of each FaceHZ call, and checks Begin comes first and Finish last.
    std::vector<std::pair<int, bool>> Faces() {
        std::vector<std::pair<int, bool>> out;
        if (hook.calls.size() < 2 || hook.calls.front().what != "Begin" ||
            hook.calls.back().what != "Finish") {
            ADD_FAILURE() << "pass not framed by Begin and Finish";
            return out;
        }
        for (size_t k = 1; k + 1 < hook.calls.size(); ++k) {
            EXPECT_EQ(hook.calls[k].what, "FaceHZ");
            out.emplace_back(hook.calls[k].entry, hook.calls[k].meshChanged);
        }
        return out;
    }
    Recorder hook;
};

TEST_F(Hook, EveryDrawnFaceOfTheMainPassIsPassedOnWithItsIndices) {
    AddQuad(0, 0, 0, 0, {1, 2, 3, 4});
    opt::FaceDataRecord& fd = store->ttfd[0];
    for (int k = 0; k < 4; ++k) {
        fd.Index(opt::kGroupEdge, k)[0] = 10 + k;
        fd.Index(opt::kGroupVxNormal, k)[0] = 30 + k;
    }
    AddTri(0, 1, 0, 0, {5, 6, 7});
    auto drawn = Draw(&hook);
    EXPECT_EQ(drawn.size(), 2u);  // the faces are still drawn, in the level blues
    EXPECT_EQ(drawn[0].colour, kLevelQuad);
    ASSERT_EQ(hook.calls.size(), 4u);
    const Call& quad = hook.calls[1];
    EXPECT_EQ(quad.face, (opt::CurFace{1, 2, 3, 4, 10, 11, 12, 13, 2, 3, 4, 5, 30, 31, 32, 33}));
    EXPECT_EQ(quad.mesh, 0);
    EXPECT_EQ(hook.calls[2].face[3], -1);  // a triangle's fourth index as read
    EXPECT_EQ(hook.calls[3].last, 0);
}

TEST_F(Hook, MeshChangedFollowsEveryVisitedFaceDrawnOrNot) {
    AddTri(0, 0, 0, 0, {0, 1, 2});
    AddTri(0, 1, 0, 0, {0, 1, 2});
    AddTri(1, 0, 1, 1, {0, 1, 2});  // mesh 1 visited at another level: not drawn, prev becomes 1
    AddTri(2, 0, 1, 0, {0, 1, 2});  // same mesh as the face before: no change
    AddTri(3, 0, 2, 0, {0, 1, 2});
    store->ttfd[3].Vertex(0)[1] = opt::kUnsetIndex;
    Draw(&hook);
    EXPECT_EQ(Faces(), (std::vector<std::pair<int, bool>>{{0, false}, {0, false}, {1, false}, {2, true}}));
    EXPECT_EQ(hook.calls.back().last, 2);

    // The last face visited counts for the final store even when it is not drawn.
    AddTri(4, 0, 3, 2, {0, 1, 2});
    hook.calls.clear();
    Draw(&hook);
    EXPECT_EQ(hook.calls.back().last, 3);
}

TEST_F(Hook, TopLevelTextureLowersEntriesAndStartsFromMeshOne) {
    store->Top_Textures = 1;
    AddTri(1, 0, 1, 0, {0, 1, 2});
    AddTri(2, 0, 2, 0, {0, 1, 2});
    Draw(&hook);
    EXPECT_EQ(Faces(), (std::vector<std::pair<int, bool>>{{0, false}, {1, true}}));
    EXPECT_EQ(hook.calls.back().last, 1);
}

TEST_F(Hook, AllResFeedsEveryLevel) {
    AddTri(0, 0, 0, 0, {0, 1, 2});
    AddTri(1, 0, 0, 2, {0, 1, 2});
    selection.AllRes = true;
    Draw(&hook);
    EXPECT_EQ(Faces().size(), 2u);
}

TEST_F(Hook, FacesOutsideTheVertexTableAreNotPassedOnButBadCornersAre) {
    AddTri(0, 0, 0, 0, {0, 1000, 2});  // not drawn, but the accumulation judges each index itself
    AddTri(1, 0, 50, 0, {0, 1, 2});    // no vertex entry 50: neither drawn nor passed on
    Draw(&hook);
    EXPECT_EQ(Faces(), (std::vector<std::pair<int, bool>>{{0, false}}));
    EXPECT_FALSE(hook.calls.back().last.has_value());  // last visited mesh 50 has no entry
}

TEST_F(Hook, NoFaceVisitedFinishesWithoutAnEntry) {
    Draw(&hook);
    ASSERT_EQ(hook.calls.size(), 2u);
    EXPECT_EQ(hook.calls[0].what, "Begin");
    EXPECT_EQ(hook.calls[1].what, "Finish");
    EXPECT_FALSE(hook.calls[1].last.has_value());
}

TEST_F(Hook, OtherModesNeverCallTheHook) {
    AddTri(0, 0, 0, 0, {0, 1, 2});
    selection.SelectedFaceData = 0;
    for (int b = 0; b < opt::kModeButtonCount; ++b) {
        if (b == opt::SBHZ) continue;
        selection.DisplayMode.PutDown(static_cast<opt::ModeButton>(b));  // SBMESH and SBFace redraw faces
        EXPECT_FALSE(Draw(&hook).empty());
        EXPECT_TRUE(hook.calls.empty()) << opt::ModeButtonName(static_cast<opt::ModeButton>(b));
    }
    selection.DisplayMode.PutDown(opt::SBHZ);
    selection.ModelLoaded = false;
    Draw(&hook);
    EXPECT_TRUE(hook.calls.empty());
}

TEST_F(Hook, BadResolutionTextAbandonsThePassWithoutAStore) {
    AddTri(0, 0, 0, 0, {0, 1, 2});
    selection.Resolution = "";
    EXPECT_THROW(Draw(&hook), opt::OptError);
    ASSERT_EQ(hook.calls.size(), 1u);
    EXPECT_EQ(hook.calls[0].what, "Begin");
}

}  // namespace
}  // namespace frame_test
