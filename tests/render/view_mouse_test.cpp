// The mouse camera's arithmetic: drags measured from the press, the wheel in the keys' zoom steps.
#include "render/core/view_mouse.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "render/core/view_keys.h"

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

TEST(ViewMouse, WheelStepsAreTheKeySteps) {
    ViewState wheel = Fitted();
    ViewState keys = Fitted();
    EXPECT_TRUE(WheelZoom(wheel, 2));
    ZoomIn(keys);
    ZoomIn(keys);
    EXPECT_EQ(wheel.ViewScale, keys.ViewScale);
    EXPECT_TRUE(WheelZoom(wheel, -30));  // past 0.1 the step is 0.1 alone, without a stop
    for (int i = 0; i < 30; ++i) ZoomOut(keys);
    EXPECT_EQ(wheel.ViewScale, keys.ViewScale);
    EXPECT_LT(wheel.ViewScale, 0.0);
    EXPECT_FALSE(WheelZoom(wheel, 0));
}

}  // namespace
}  // namespace opt
