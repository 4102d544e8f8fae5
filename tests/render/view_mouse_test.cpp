// The mouse camera's arithmetic: drags measured from the press and turning about the model's
// centre, the wheel zooming by a factor about the middle of the view.
#include "render/core/view_mouse.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "render/core/view_transform.h"

namespace opt {
namespace {

ViewState Fitted() {
    ViewState v;
    v.OrthoMin = -200;
    v.OrthoMax = 200;
    v.AngleX = 5;
    v.AngleY = -5;
    v.PanX = 3;
    return v;
}

TEST(ViewMouse, DragTurnsFromTheAnglesAtThePressWholeDegreesOnly) {
    ViewState v = Fitted();
    const MouseDrag drag{CameraOf(v)};
    DragTurn(v, drag, 41, -3);  // 20.5 and -1.5 degrees: whole degrees toward zero
    EXPECT_EQ(v.AngleY, 15);
    EXPECT_EQ(v.AngleX, 4);
    DragTurn(v, drag, 0, 0);  // back to the press: the start angles again, no drift
    EXPECT_EQ(v.AngleY, -5);
    EXPECT_EQ(v.AngleX, 5);
    EXPECT_EQ(v.AngleZ, 0);
    v.AngleY = std::numeric_limits<int32_t>::max();
    DragTurn(v, MouseDrag{CameraOf(v)}, 2, 0);  // no bounds: wraps as the keys do
    EXPECT_EQ(v.AngleY, std::numeric_limits<int32_t>::min());
}

TEST(ViewMouse, DragPanFollowsThePointerOverTheCubeSpan) {
    ViewState v = Fitted();
    const MouseDrag drag{CameraOf(v)};
    DragPan(v, drag, 100, 50, 400);  // 400 units over 400 pixels: one unit per pixel
    EXPECT_EQ(v.PanX, 103);
    EXPECT_EQ(v.PanY, -50);  // screen y grows downward, the model's upward
    EXPECT_EQ(v.AngleX, 5);
    DragPan(v, drag, 100, 50, 0);  // no view: nothing moves
    EXPECT_EQ(v.PanX, 103);
}

void ExpectSamePlace(const Point3& a, const Point3& b) {
    EXPECT_NEAR(a.x, b.x, 1e-3);
    EXPECT_NEAR(a.y, b.y, 1e-3);
    EXPECT_NEAR(a.z, b.z, 1e-3);
}

TEST(ViewMouse, DragTurnKeepsTheModelsCentreWhereItShows) {
    ViewState v = Fitted();
    v.CentreX = 150;
    v.CentreY = -40;
    v.CentreZ = 12;
    v.ViewScale = 1.5;
    const Point3 centre{v.CentreX, v.CentreY, v.CentreZ};
    const Point3 shown = ViewPointOf(v, centre);
    const MouseDrag drag{CameraOf(v)};
    DragTurn(v, drag, 90, -60);
    EXPECT_EQ(v.AngleY, 40);
    EXPECT_EQ(v.AngleX, -25);
    ExpectSamePlace(ViewPointOf(v, centre), shown);
    // Another model point has moved: the model turned about its centre, not about its origin.
    const Point3 origin = ViewPointOf(v, {});
    EXPECT_GT(std::abs(origin.x - ViewPointOf(Fitted(), {}).x), 1.0);
    DragTurn(v, drag, 0, 0);  // back to the press: the camera of the press again
    EXPECT_EQ(CameraOf(v), drag.Start);
}

TEST(ViewMouse, WheelZoomsByAFactorAboutTheMiddleAndNeverToZero) {
    ViewState v = Fitted();
    v.OrthoMin = 0;
    v.OrthoMax = 600;              // the middle of the view is (300, 300)
    const Point3 off{40, -70, 5};  // a model point away from the middle
    const Point3 before = ViewPointOf(v, off);
    EXPECT_TRUE(WheelZoom(v, 2));
    EXPECT_DOUBLE_EQ(v.ViewScale, 1.1 * 1.1);
    // The middle stays: every point's distance from it grows by the factor, across the view.
    const Point3 after = ViewPointOf(v, off);
    EXPECT_NEAR(after.x - 300, (before.x - 300) * 1.21, 1e-3);
    EXPECT_NEAR(after.y - 300, (before.y - 300) * 1.21, 1e-3);
    EXPECT_TRUE(WheelZoom(v, -2));
    EXPECT_NEAR(v.ViewScale, 1.0, 1e-12);
    ExpectSamePlace(ViewPointOf(v, off), before);
    // Zooming out stops at the smallest wheel scale, which the wheel never passes.
    EXPECT_TRUE(WheelZoom(v, -200));
    EXPECT_EQ(v.ViewScale, kWheelMinScale);
    EXPECT_FALSE(WheelZoom(v, -1));
    EXPECT_FALSE(WheelZoom(v, 0));
    // A scale the "-" key took to 0 or below: the wheel starts again from the smallest scale.
    v.ViewScale = -0.08;
    EXPECT_TRUE(WheelZoom(v, 1));
    EXPECT_DOUBLE_EQ(v.ViewScale, kWheelMinScale * kWheelZoomFactor);
}

}  // namespace
}  // namespace opt
