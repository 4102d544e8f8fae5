// The projection of the GL view as data. The whole view transform lives on the projection matrix
// (the modelview matrix stays the identity). The painter replays a ViewTransform after glOrtho, in
// exactly this order:
//   glTranslated(TranslateX, TranslateY, TranslateZ)   (glTranslatef for MovedTransform)
//   glRotated(RotateX, 1, 0, 0)
//   glRotated(RotateY, 0, 1, 0)
//   glRotated(RotateZ, 0, 0, 1)
//   glScalef(Scale, Scale, Scale)
// SetView loads identity, glOrtho(OrthoCubeOf(view)), then the transform; DrawMoved multiplies the
// moved transform onto whatever the last SetView left, between glPushMatrix and glPopMatrix.
#pragma once

#include "render/core/view_state.h"

namespace opt {

// glOrtho arguments: the same bounds on all three axes.
struct OrthoCube {
    double Left, Right, Bottom, Top, Near, Far;
};
OrthoCube OrthoCubeOf(const ViewState& view);

struct ViewTransform {
    double TranslateX, TranslateY, TranslateZ;
    double RotateX, RotateY, RotateZ;  // degrees, applied x, then y, then z
    float Scale;                       // ViewScale as a 32-bit float
};

// SetView's transform: the given angles and pans, always the current ViewScale. Every caller passes
// a zero pan.
ViewTransform SetViewTransform(const ViewState& view, double ax, double ay, double az, double px, double py,
                               double pz);
// DrawMoved's transform: the full accumulated pan, angles and scale (not increments); the translation
// is the pan plus the view's offset (0 until the mouse, the wheel or Frame Model moved the model).
ViewTransform MovedTransform(const ViewState& view);

// Where the rotations and the scale of a transform with these angles and this scale put a model
// point (x, then y, then z applied last to first, as the painter's glRotated calls do).
Point3 TurnAndScale(int32_t ax, int32_t ay, int32_t az, float scale, const Point3& p);
// Where DrawMoved shows a model point, in the cube's units (x and y across the view, z its depth).
Point3 ViewPointOf(const ViewState& view, const Point3& p);
// The middle of the view in the cube's units: x and y halfway across, z halfway through the depth
// glOrtho keeps (-OrthoMax .. -OrthoMin).
Point3 ViewMiddle(const ViewState& view);

}  // namespace opt
