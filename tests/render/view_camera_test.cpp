// View fitting, size and scale texts, and the transform the GL painter replays.
#include <gtest/gtest.h>

#include <memory>

#include "render/core/view_number_text.h"
#include "render/core/view_state.h"
#include "render/core/view_transform.h"

namespace opt {
namespace {

std::unique_ptr<ModelStore> EmptyStore() { return std::make_unique<ModelStore>(); }

void SetVertex(ModelStore& s, int block, int v, float x, float y, float z) {
    s.tvx[block].X[v] = x;
    s.tvx[block].Y[v] = y;
    s.tvx[block].Z[v] = z;
}

TEST(ViewFitOrtho, ExtendsExtremesByAThirdWithHalvesToEven) {
    auto s = EmptyStore();
    SetVertex(*s, 0, 0, 300.4f, 10.0f, -100.5f);
    SetVertex(*s, 0, 1, 0.0f, 0.0f, 0.0f);
    const OrthoRange r = ComputeOrtho(*s);
    EXPECT_EQ(r.Max, 400);   // round(300.4) = 300, + 100
    EXPECT_EQ(r.Min, -133);  // round(-100.5) = -100 (even), + (-33)

    // Halves go to the even neighbour, up as well as down.
    auto t = EmptyStore();
    SetVertex(*t, 0, 0, 1.5f, 2.5f, -3.5f);
    EXPECT_EQ(ComputeOrtho(*t).Max, 2 + 0);  // round(2.5) = 2
    EXPECT_EQ(ComputeOrtho(*t).Min, -4 - 1);
}

TEST(ViewFitOrtho, ScanStopsAtUnsetMarkers) {
    auto s = EmptyStore();
    SetVertex(*s, 0, 0, 30.0f, 0.0f, 0.0f);
    // Vertex 1 of block 0 unset: vertex 2 is not scanned, block 1 is.
    SetVertex(*s, 0, 2, 900.0f, 0.0f, 0.0f);
    SetVertex(*s, 1, 0, 60.0f, -60.0f, 0.0f);
    // Block 2 unset: block 3 is never reached.
    SetVertex(*s, 3, 0, -3000.0f, 3000.0f, 0.0f);
    const OrthoRange r = ComputeOrtho(*s);
    EXPECT_EQ(r.Max, 80);
    EXPECT_EQ(r.Min, -80);

    // Only x is tested for the marker: y and z of 1234.0 count as coordinates.
    auto t = EmptyStore();
    SetVertex(*t, 0, 0, 3.0f, kUnsetReal, 0.0f);
    EXPECT_EQ(ComputeOrtho(*t).Max, 1234 + 411);
}

TEST(ViewFitOrtho, EmptyStoreGivesInvertedCubeAndHugeValuesSaturate) {
    auto s = EmptyStore();
    ViewState v;
    FitOrtho(v, *s);
    EXPECT_EQ(v.OrthoMax, -1333332);
    EXPECT_EQ(v.OrthoMin, 1333332);

    SetVertex(*s, 0, 0, 1e30f, -1e30f, 0.0f);
    FitOrtho(v, *s);
    EXPECT_EQ(v.OrthoMax, INT32_MAX);
    EXPECT_EQ(v.OrthoMin, INT32_MIN);
}

void SetDescriptor(ModelStore& s, int i, float minY, float maxY) {
    s.tcb[i].Data_Offset = 100 + i;
    s.tcb[i].HZ_Min[1] = minY;
    s.tcb[i].HZ_Max[1] = maxY;
}

TEST(ViewSizeText, MetersFromHitZoneBoxesAlongY) {
    auto s = EmptyStore();
    SetDescriptor(*s, 0, -200.0f, 10.0f);
    SetDescriptor(*s, 3, -5.0f, 210.0f);
    // A descriptor without Data_Offset is not counted.
    s->tcb[4].HZ_Min[1] = -9000.0f;
    EXPECT_EQ(ModelSizeText(*s), "    20");  // 410.0 units
    EXPECT_EQ(SizeStatusText(*s), "Size=     20   Meters");

    auto none = EmptyStore();
    EXPECT_EQ(ModelSizeText(*none), "-97561");
}

TEST(ViewScaleText, FifteenDigitsOfTheSinglePrecisionValue) {
    EXPECT_EQ(ScaleText(2.0), "2");
    EXPECT_EQ(ScaleText(0.89), "0.889999985694885");
    EXPECT_EQ(ScaleText(0.89, ','), "0,889999985694885");
    EXPECT_EQ(ScaleText(-0.08), "-0.0799999982118607");
    ViewState v;
    v.ViewScale = 3.0;
    EXPECT_EQ(ScaleStatusText(v), "Scale= 3");
}

TEST(ViewScaleText, GeneralFormatSwitchesToScientificAtTheEdges) {
    EXPECT_EQ(FormatGeneral15(0.0001, '.'), "0.0001");
    EXPECT_EQ(FormatGeneral15(0.00001, '.'), "0.00001");
    EXPECT_EQ(FormatGeneral15(0.000001, '.'), "1E-6");
    EXPECT_EQ(FormatGeneral15(-1.5e-7, '.'), "-1.5E-7");
    EXPECT_EQ(FormatGeneral15(123456789012345.0, '.'), "123456789012345");
    EXPECT_EQ(FormatGeneral15(1e15, '.'), "1E15");
    EXPECT_EQ(FormatGeneral15(1200.0, '.'), "1200");
    EXPECT_EQ(FormatFixed(20.0, 6, 0, '.'), "    20");
}

TEST(ViewTransformData, SetViewUsesGivenAnglesMovedUsesAccumulatedState) {
    ViewState v;
    v.OrthoMin = -133;
    v.OrthoMax = 400;
    v.AngleX = 30;
    v.AngleY = -20;
    v.AngleZ = 370;
    v.PanX = 40;
    v.PanY = -80;
    v.ViewScale = 0.89;

    const OrthoCube c = OrthoCubeOf(v);
    EXPECT_EQ(c.Left, -133);
    EXPECT_EQ(c.Bottom, -133);
    EXPECT_EQ(c.Near, -133);
    EXPECT_EQ(c.Right, 400);
    EXPECT_EQ(c.Top, 400);
    EXPECT_EQ(c.Far, 400);

    const ViewTransform plain = SetViewTransform(v, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(plain.RotateX, 0);
    EXPECT_EQ(plain.TranslateX, 0);
    EXPECT_EQ(plain.Scale, 0.89f);  // the scale is always ViewScale

    const ViewTransform moved = MovedTransform(v);
    EXPECT_EQ(moved.TranslateX, 40);
    EXPECT_EQ(moved.TranslateY, -80);
    EXPECT_EQ(moved.TranslateZ, 0);
    EXPECT_EQ(moved.RotateX, 30);
    EXPECT_EQ(moved.RotateY, -20);
    EXPECT_EQ(moved.RotateZ, 370);  // angles do not wrap
}

TEST(ViewStateResets, CreateLoadAndInitKeepWhatTheyShould) {
    ViewState v;
    v.AngleX = 10;
    v.ViewScale = 4.0;
    v.PanX = 7;
    v.PanY = 8;
    v.LoadCount = 3;
    v.TexUploads = 2;
    v.ResizeGuard = false;

    ResetTurnAndScale(v);  // InitGL keeps the pan
    EXPECT_EQ(v.AngleX, 0);
    EXPECT_EQ(v.ViewScale, 1.0);
    EXPECT_EQ(v.PanX, 7);

    ResetViewAfterLoad(v);
    EXPECT_EQ(v.PanX, 0);
    EXPECT_EQ(v.PanY, 0);
    EXPECT_EQ(v.LoadCount, 3);

    ResetViewAtCreate(v);
    EXPECT_EQ(v.LoadCount, 0);
    EXPECT_EQ(v.TexUploads, 0);
    EXPECT_TRUE(v.ResizeGuard);
}

}  // namespace
}  // namespace opt
