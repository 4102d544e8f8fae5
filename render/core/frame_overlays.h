// The overlays that do not go through the face draws: the selected vertex, the hardpoints, the
// hit-zone boxes, the target box and the rotation centres. A selection outside its table draws nothing.
#pragma once

#include <cstdint>

#include "model/store.h"
#include "render/core/frame.h"

namespace opt {

// Vertex selectedVertex of vertex entry selectedMesh (no shift, any level); false when either lies
// outside its table, and nothing is drawn.
bool ShowSelVertex(const ModelStore& store, int32_t selectedMesh, int32_t selectedVertex, Frame& frame);
// Every hardpoint whose Data_Offset is not 0.
void ShowHardpoints(const ModelStore& store, Frame& frame);
// Hardpoint editIndex, loaded or not.
void ShowSelHardpoint(const ModelStore& store, int32_t editIndex, Frame& frame);
// Centre, diagonal and four sides of the hit-zone box of every descriptor whose Data_Offset is not 0.
void ShowHitZones(const ModelStore& store, Frame& frame);
// The 400-unit target square of descriptor editIndex, loaded or not.
void ShowTargetBox(const ModelStore& store, int32_t editIndex, Frame& frame);
// The centre of every rotation/scale block.
void ShowCentres(const ModelStore& store, Frame& frame);

}  // namespace opt
