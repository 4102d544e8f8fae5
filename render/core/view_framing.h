// View › Frame Model as a pure function of the view state: the model's box in the middle of the view,
// scaled so that the box fits the view whichever way it is turned.
#pragma once

#include "model/store.h"
#include "render/core/view_state.h"

namespace opt {

// How much of the cube's span the framed model's box may fill (its diagonal, so that no turn takes a
// corner out of the view or out of its depth).
inline constexpr double kFrameFill = 0.9;

// Keeps the angles and the pan; sets the scale so that the diagonal of the stored vertices' box spans
// kFrameFill of the cube, and the offset so that the box's centre shows in the middle of the view
// (ViewMiddle). Returns false, changing nothing, where there is nothing to fit: no vertices, one
// point (whose cube has no span), coordinates that are not finite.
bool FrameModel(ViewState& view, const ModelStore& store);

}  // namespace opt
