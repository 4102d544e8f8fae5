// The viewer window's keyboard table: pan with Shift alone, turn and zoom otherwise.
#include "render/core/view_keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace opt {
namespace {

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kShift{true, false, false};
constexpr KeyModifiers kCtrl{false, true, false};
constexpr KeyModifiers kShiftCtrl{true, true, false};
constexpr KeyModifiers kShiftAlt{true, false, true};

ViewState Fitted(int32_t orthoMax) {
    ViewState v;
    v.OrthoMin = -orthoMax;
    v.OrthoMax = orthoMax;
    return v;
}

bool SameView(const ViewState& a, const ViewState& b) {
    return a.AngleX == b.AngleX && a.AngleY == b.AngleY && a.AngleZ == b.AngleZ &&
           a.ViewScale == b.ViewScale && a.PanX == b.PanX && a.PanY == b.PanY;
}

TEST(ViewKeys, NothingHappensWithoutAModel) {
    for (ViewKey k : {ViewKey::Space, ViewKey::Left, ViewKey::Minus, ViewKey::EqualPlus, ViewKey::PageUp}) {
        for (KeyModifiers m : {kNone, kShift}) {
            ViewState v = Fitted(400);
            const KeyOutcome o = FormKeyDown(v, false, k, m);
            EXPECT_FALSE(o.DrawMoved || o.ShowControlPanel || o.ScaleText);
            EXPECT_TRUE(SameView(v, Fitted(400)));
        }
    }
}

TEST(ViewKeys, ShiftAlonePansByATenthOfTheCube) {
    ViewState v = Fitted(400);
    EXPECT_TRUE(FormKeyDown(v, true, ViewKey::Left, kShift).DrawMoved);
    EXPECT_EQ(v.PanX, -40);
    FormKeyDown(v, true, ViewKey::Up, kShift);
    FormKeyDown(v, true, ViewKey::Up, kShift);
    EXPECT_EQ(v.PanY, 80);
    FormKeyDown(v, true, ViewKey::Right, kShift);
    FormKeyDown(v, true, ViewKey::Right, kShift);
    EXPECT_EQ(v.PanX, 40);
    FormKeyDown(v, true, ViewKey::Down, kShift);
    EXPECT_EQ(v.PanY, 40);
    EXPECT_EQ(v.AngleZ, 0);  // panning never turns

    // Shift with other keys does nothing: no turn, no zoom, no control panel.
    for (ViewKey k :
         {ViewKey::PageUp, ViewKey::PageDown, ViewKey::EqualPlus, ViewKey::Minus, ViewKey::Space}) {
        ViewState w = Fitted(400);
        const KeyOutcome o = FormKeyDown(w, true, k, kShift);
        EXPECT_FALSE(o.DrawMoved || o.ShowControlPanel || o.ScaleText);
        EXPECT_TRUE(SameView(w, Fitted(400)));
    }
}

TEST(ViewKeys, PanStepTruncatesTowardZero) {
    ViewState small = Fitted(9);
    FormKeyDown(small, true, ViewKey::Right, kShift);
    EXPECT_EQ(small.PanX, 0);

    ViewState inverted = Fitted(-15);  // step -1: the pan moves the other way
    FormKeyDown(inverted, true, ViewKey::Right, kShift);
    EXPECT_EQ(inverted.PanX, -1);
}

TEST(ViewKeys, EveryOtherModifierStateTurns) {
    for (KeyModifiers m : {kNone, kCtrl, kShiftCtrl, kShiftAlt}) {
        ViewState v = Fitted(400);
        EXPECT_TRUE(FormKeyDown(v, true, ViewKey::Left, m).DrawMoved);
        EXPECT_EQ(v.AngleZ, 10);
        FormKeyDown(v, true, ViewKey::Right, m);
        FormKeyDown(v, true, ViewKey::Right, m);
        EXPECT_EQ(v.AngleZ, -10);
        FormKeyDown(v, true, ViewKey::Up, m);
        EXPECT_EQ(v.AngleX, 10);
        FormKeyDown(v, true, ViewKey::Down, m);
        FormKeyDown(v, true, ViewKey::Down, m);
        EXPECT_EQ(v.AngleX, -10);
        FormKeyDown(v, true, ViewKey::PageUp, m);
        EXPECT_EQ(v.AngleY, 10);
        FormKeyDown(v, true, ViewKey::PageDown, m);
        FormKeyDown(v, true, ViewKey::PageDown, m);
        EXPECT_EQ(v.AngleY, -10);
        EXPECT_EQ(v.PanX, 0);
    }
    ViewState v = Fitted(400);
    for (int i = 0; i < 40; ++i) FormKeyDown(v, true, ViewKey::Left, kNone);
    EXPECT_EQ(v.AngleZ, 400);  // no wrap at 360
}

TEST(ViewKeys, SpaceShowsControlPanelOtherKeysDoNothing) {
    ViewState v = Fitted(400);
    const KeyOutcome space = FormKeyDown(v, true, ViewKey::Space, kNone);
    EXPECT_TRUE(space.ShowControlPanel);
    EXPECT_FALSE(space.DrawMoved);
    const KeyOutcome other = FormKeyDown(v, true, ViewKey::Other, kCtrl);
    EXPECT_FALSE(other.DrawMoved || other.ShowControlPanel || other.ScaleText);
    EXPECT_TRUE(SameView(v, Fitted(400)));
}

TEST(ViewKeys, ZoomStepsAndScaleText) {
    ViewState v = Fitted(400);
    const KeyOutcome in = FormKeyDown(v, true, ViewKey::EqualPlus, kNone);
    EXPECT_TRUE(in.DrawMoved && in.ScaleText);
    EXPECT_EQ(v.ViewScale, 2.0);
    EXPECT_EQ(ScaleStatusText(v), "Scale= 2");

    // From 1.0 the minus key takes 0.11 while the scale stays above 0.1, then 0.1 alone, no stop.
    v.ViewScale = 1.0;
    const std::vector<double> expected = {0.89, 0.78, 0.67, 0.56, 0.45, 0.34, 0.23, 0.12, 0.02, -0.08, -0.18};
    for (double e : expected) {
        const KeyOutcome o = FormKeyDown(v, true, ViewKey::Minus, kNone);
        EXPECT_TRUE(o.DrawMoved && o.ScaleText);
        EXPECT_NEAR(v.ViewScale, e, 1e-9);
        if (e == 0.89) {
            EXPECT_EQ(ScaleStatusText(v), "Scale= 0.889999985694885");
        }
    }
}

TEST(ViewKeys, PanAndAnglesWrapInsteadOfOverflowing) {
    ViewState v = Fitted(INT32_MAX);
    v.PanX = INT32_MAX - 5;
    FormKeyDown(v, true, ViewKey::Right, kShift);
    EXPECT_LT(v.PanX, 0);
    v.AngleY = INT32_MIN + 5;
    FormKeyDown(v, true, ViewKey::PageDown, kNone);
    EXPECT_GT(v.AngleY, 0);
}

}  // namespace
}  // namespace opt
