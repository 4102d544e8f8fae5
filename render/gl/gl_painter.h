// The GL 1.1 calls of the view, in the order the program has always made them. Each function runs on
// the current context; the view makes its context current around them.
#pragma once

#include <vector>

#include "render/core/frame.h"
#include "render/core/frame_batches.h"
#include "render/core/texture_load.h"
#include "render/core/view_transform.h"

namespace opt::gl {

using ColorTableProc = void (*)(unsigned target, unsigned internalFormat, int width, unsigned format,
                                unsigned type, const void* table);

// glClearColor(0, 0, 0, 1) and clear colour and depth.
void ClearBlack();
void Viewport(int width, int height);
// Projection matrix: identity, then the orthographic cube.
void LoadOrthoProjection(const OrthoCube& cube);
// The state set once when the view is made: drawing colour, shading in textured display, clockwise
// front faces.
void InitialState(bool textured);
// The state a display mode draws with. Textured: front faces filled, depth test and culling on.
// Wireframe: both sides as lines, no depth test, no culling, so outlines and highlights drawn over
// the same faces at the same depth all show.
void DisplayModeState(bool textured);
// SetView: projection = cube, then t; the display mode's state.
void SetViewProjection(const OrthoCube& cube, const ViewTransform& t, bool textured);
// How DrawFrame replays: the chosen way, and the runs of the last batched frame (kept so that each
// redraw reuses their memory).
struct FrameReplay {
    ReplayPath Path = ReplayPath::Auto;
    FrameBatches Batches;
};

// Sets the display mode's state, clears to black and replays the frame: one glBegin/glEnd per
// primitive, or one glDrawArrays per run of primitives sharing their state (large frames, or as
// replay.Path forces); both give the same pixels. With moved, the keyboard transform is multiplied
// onto the projection between glPushMatrix and glPopMatrix. Textured primitives bind
// textures[Entry]; coloured ones bind no texture object, so their colour shows even while texturing
// stays enabled. Points and lines are drawn pixelRatio times as wide (the screen's device pixels
// per window pixel), so markers keep their size on the screen.
void DrawFrame(const Frame& frame, const ViewTransform* moved, const std::vector<unsigned>& textures,
               bool textured, FrameReplay& replay, float pixelRatio = 1.0f);
// One texture object: clamp, nearest, decal, unpack alignment 1; colour-index image with its colour
// table where colorTable is given, else the indices expanded to RGB8. Returns 0 (no object) for an
// empty image, or for sides that are not powers of two on a context that cannot draw them.
unsigned UploadTexture(const LoadedTexture& texture, ColorTableProc colorTable, bool nonPowerOfTwo);
// After an upload: 1D texturing off, 2D texturing on (it stays on).
void EnableTexturing();
void DeleteTextureObjects(const std::vector<unsigned>& textures);
// The state a newly made context starts with (the view's stand-in for remaking its context).
void ResetToNewContextState();

}  // namespace opt::gl
