// The view state of a GL view (the windows hold one beside the model they show): rotation angles,
// zoom, pan, the orthographic cube fitted to the model, and the counters that the load sequence and
// the texture upload share. Plain data and arithmetic only; the GL painter replays what these
// functions compute.
//
// What the GL layer calls, in order (every GL call named here is the painter's own):
//
//   Window creation:  ResetViewAtCreate(view), selection.ModelLoaded = false.
//
//   InitGL:           ResetTurnAndScale(view); make the context (double-buffered RGBA, depth buffer);
//                     clear to black and present; glViewport(0, 0, panel client width,
//                     viewer window client height) (the only viewport call); glMatrixMode(PROJECTION),
//                     glLoadIdentity, FitOrtho(view, store), glOrtho(OrthoCubeOf(view));
//                     glColor3f(0, 1, 0); in textured display glShadeModel(GL_SMOOTH);
//                     glFrontFace(GL_CW); SetView with SetViewTransform(view, 0, 0, 0, 0, 0, 0).
//
//   SetView(t):       glMatrixMode(PROJECTION), glLoadIdentity; textured display:
//                     glPolygonMode(GL_FRONT, GL_FILL), enable depth test and face culling;
//                     wireframe: glPolygonMode(GL_FRONT_AND_BACK, GL_LINE), depth test and culling off
//                     (every frame sets the same state again, so highlights drawn over faces at the
//                     same depth show whatever display mode was used before);
//                     glOrtho(OrthoCubeOf(view)); then replay t (see view_transform.h).
//
//   RefitView:        if view.LoadCount == 0: InitGL, else FitOrtho(view, store); clear colour and
//                     depth to black; SetView(SetViewTransform(view, AngleX, AngleY, AngleZ, 0, 0, 0)).
//
//   LoadOrtho:        RefitView; view.LoadCount += 1; control panel OnLoad; ModelLoaded = true;
//                     if view.TexUploads > 0: delete texture names 0 .. view.TexListLast;
//                     view.TexListLast = entries of the texture list - 1; draw the model and present;
//                     textured display: view.TexUploads += 1 and upload the textures;
//                     ResetViewAfterLoad(view); SetView(SetViewTransform(view, 0, 0, 0, 0, 0, 0));
//                     SetMenu; status panel 1 = SizeStatusText(store).
//
//   ShowHZ:           as DrawMoved: every redraw shows the user's current angles, scale and pan
//                     (a control-panel choice does not throw the camera away; only a load does).
//
//   DrawMoved:        glPushMatrix; clear colour and depth; replay MovedTransform(view); draw the model,
//                     present; glPopMatrix.
//
//   FormResize:       keep the panel square; if view.ResizeGuard: stop; free the context when
//                     view.LoadCount != 0; view.LoadCount = 0; square again; RefitView (runs InitGL);
//                     view.LoadCount = 1. Texture objects are lost with the context. The window keeps
//                     the camera (CameraOf / SetCamera) across the resize and the reload it causes,
//                     and draws at once.
//
//   Keys:             FormKeyDown (view_keys.h) says whether to DrawMoved, show the control panel and
//                     refresh status panel 0 with ScaleStatusText(view).
#pragma once

#include <cstdint>
#include <string>

#include "model/store.h"

namespace opt {

struct ViewState {
    int32_t AngleX = 0;  // degrees about x; no bounds, no wrap
    int32_t AngleY = 0;
    int32_t AngleZ = 0;
    double ViewScale = 1.0;  // uniform scale after the rotations
    int32_t PanX = 0;        // model units; reaches the screen only through DrawMoved
    int32_t PanY = 0;
    int32_t OrthoMin = 0;  // the cube's bounds, the same on all three axes
    int32_t OrthoMax = 0;
    int32_t LoadCount = 0;     // 0: no rendering context
    int32_t TexUploads = 0;    // texture uploads since the window was created
    int32_t TexListLast = -1;  // last index of the texture list at the previous load; -1: none
    bool ResizeGuard = true;   // while set, a window resize only keeps the panel square
    // Where the view has moved the model besides the keys' pan, in the cube's units: Frame Model,
    // the wheel's zoom about the middle of the view and the mouse's turn about the model's centre
    // set it. 0 after a load, so the keys' transform is the one they always had until then.
    double OffsetX = 0.0, OffsetY = 0.0, OffsetZ = 0.0;
    // The centre of the model's box, found with the cube: the point a mouse turn keeps in its place
    // on the screen and Frame Model puts in the middle of the view.
    double CentreX = 0.0, CentreY = 0.0, CentreZ = 0.0;
};

// Window creation: no context, no uploads, no pan, resize guarded.
void ResetViewAtCreate(ViewState& view);
// InitGL's first step: angles 0 and scale 1.0 (and the offset that goes with them); the pan is kept.
void ResetTurnAndScale(ViewState& view);
// After a load: pan, offset, angles and scale back to their start.
void ResetViewAfterLoad(ViewState& view);

// What the user turned, zoomed and panned: kept across a resize, which is not a new file.
struct ViewCamera {
    int32_t AngleX = 0, AngleY = 0, AngleZ = 0;
    double ViewScale = 1.0;
    int32_t PanX = 0, PanY = 0;
    double OffsetX = 0.0, OffsetY = 0.0, OffsetZ = 0.0;
    bool operator==(const ViewCamera&) const = default;
};
ViewCamera CameraOf(const ViewState& view);
void SetCamera(ViewState& view, const ViewCamera& camera);

// The box of every stored vertex, per axis, scanned as the cube's fit scans them (the first unset
// block ends the scan, the first unset x ends a block). Empty when no vertex was scanned.
struct ModelBox {
    float Min[3];
    float Max[3];
    bool Empty = true;
};
ModelBox BoxOf(const ModelStore& store);

// A point of the model's or the view's space.
struct Point3 {
    double x = 0.0, y = 0.0, z = 0.0;
};
// The middle of the box; the origin for an empty box.
Point3 CentreOf(const ModelBox& box);

// The bounds of the cube from every stored vertex (hi and lo extended by a third, rounded half to
// even, third taken toward zero). An empty store gives the inverted cube -1333332 .. 1333332.
struct OrthoRange {
    int32_t Min;
    int32_t Max;
};
OrthoRange ComputeOrtho(const ModelStore& store);
OrthoRange OrthoOfBox(const ModelBox& box);
// Sets view.OrthoMin and view.OrthoMax from the store, and the centre of the model's box (0 for an
// empty store).
void FitOrtho(ViewState& view, const ModelStore& store);

// File units per meter: the size text's unit, and the unit of exported models.
inline constexpr double kUnitsPerMeter = 20.5;

// The model's length along y from the descriptors' hit-zone boxes, in meters (20.5 units each),
// written as "%6.0f".
std::string ModelSizeText(const ModelStore& store);
// "Size= " + ModelSizeText + "   Meters" (status panel 1).
std::string SizeStatusText(const ModelStore& store);

// ViewScale as a 32-bit float in general format with at most 15 significant digits.
std::string ScaleText(double viewScale, char decimalSeparator = '.');
// "Scale= " + ScaleText (status panel 0).
std::string ScaleStatusText(const ViewState& view, char decimalSeparator = '.');

}  // namespace opt
