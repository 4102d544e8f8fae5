// Frame Model: the box of the stored vertices in the middle of the view, fitted for every turn.
#include "render/core/view_framing.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "render/core/view_transform.h"

namespace opt {
namespace {

// A flat model away from the origin, as the max-capacity model lies: x 1000 .. 1400, y 500 .. 800.
std::unique_ptr<ModelStore> OffCentreModel() {
    auto s = std::make_unique<ModelStore>();
    const float corners[][3] = {{1000, 500, 0}, {1400, 500, 0}, {1400, 800, 0}, {1000, 800, 0}};
    for (int v = 0; v < 4; ++v) {
        s->tvx[0].X[v] = corners[v][0];
        s->tvx[0].Y[v] = corners[v][1];
        s->tvx[0].Z[v] = corners[v][2];
    }
    return s;
}

bool InsideTheView(const ViewState& v, const Point3& p) {
    const double lo = v.OrthoMin, hi = v.OrthoMax;
    return p.x >= lo && p.x <= hi && p.y >= lo && p.y <= hi && -p.z >= lo && -p.z <= hi;
}

TEST(ViewFraming, CentresTheBoxAndKeepsEveryCornerInViewWhateverTheTurn) {
    auto s = OffCentreModel();
    ViewState v;
    FitOrtho(v, *s);
    EXPECT_EQ(v.CentreX, 1200);
    EXPECT_EQ(v.CentreY, 650);
    v.AngleX = 30;
    v.PanX = 25;
    ASSERT_TRUE(FrameModel(v, *s));
    EXPECT_EQ(v.AngleX, 30);  // the turn and the pan stay
    EXPECT_EQ(v.PanX, 25);
    // The diagonal (500 units) spans 0.9 of the cube.
    EXPECT_NEAR(v.ViewScale, kFrameFill * (v.OrthoMax - v.OrthoMin) / 500.0, 1e-9);
    const Point3 middle = ViewMiddle(v);
    const Point3 centre = ViewPointOf(v, {1200, 650, 0});
    EXPECT_NEAR(centre.x, middle.x, 1e-3);
    EXPECT_NEAR(centre.y, middle.y, 1e-3);
    EXPECT_NEAR(centre.z, middle.z, 1e-3);
    // Turned any way afterwards (by the mouse, about the centre), no corner leaves the cube.
    for (int turn = 0; turn < 360; turn += 45) {
        ViewState turned = v;
        turned.AngleY = turn;
        turned.AngleZ = turn / 3;
        ASSERT_TRUE(FrameModel(turned, *s));
        for (int k = 0; k < 4; ++k) {
            const Point3 corner{s->tvx[0].X[k], s->tvx[0].Y[k], s->tvx[0].Z[k]};
            EXPECT_TRUE(InsideTheView(turned, ViewPointOf(turned, corner))) << turn << " corner " << k;
        }
    }
}

TEST(ViewFraming, NothingToFrameChangesNothing) {
    ModelStore empty;
    ViewState v;
    FitOrtho(v, empty);
    v.ViewScale = 3.0;
    const ViewCamera before = CameraOf(v);
    EXPECT_FALSE(FrameModel(v, empty));
    EXPECT_EQ(CameraOf(v), before);
    // One point has no size to fit; coordinates past the float range none to centre.
    auto one = std::make_unique<ModelStore>();
    one->tvx[0].X[0] = 50;
    one->tvx[0].Y[0] = 50;
    one->tvx[0].Z[0] = 50;
    FitOrtho(v, *one);
    EXPECT_FALSE(FrameModel(v, *one));
    one->tvx[0].X[1] = std::numeric_limits<float>::infinity();
    one->tvx[0].Y[1] = 0;
    one->tvx[0].Z[1] = 0;
    FitOrtho(v, *one);
    EXPECT_FALSE(FrameModel(v, *one));
    EXPECT_EQ(CameraOf(v), before);
}

}  // namespace
}  // namespace opt
