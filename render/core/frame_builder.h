// DrawModel: one frame's content from the model store and the selection state. Every face of the
// chosen level of detail (or of all levels) as a wireframe-coloured or textured primitive, then the
// overlays of the display mode that is down. The caller clears the view before replaying the frame
// and presents it afterwards; if DrawModel throws, the frame is unfinished and must not be presented.
#pragma once

#include "model/store.h"
#include "render/core/frame.h"
#include "state/selection_state.h"

namespace opt {

// Replaces frame's content with the frame for store and selection. An empty frame when no model is
// loaded. Drawing computes nothing: the hit zones the SBHZ mode shows are computed beforehand.
// Throws OptError "'<text>' is not a valid integer value" when a face needs the resolution and its
// text is not an integer.
// After the frame, the caller writes the face summary into the memo when frame.WriteFaceInfo is set
// (SBFace) and the vertex text when frame.WriteVertexInfo is set (SBVx).
void DrawModel(const ModelStore& store, const SelectionState& selection, Frame& frame);

}  // namespace opt
