// Pieces that several listings share.
#pragma once

#include <string_view>

#include "listings/text_format.h"
#include "model/store.h"

namespace opt {

// Only the first 50 LOD sets are listed (and shown in the distance table); entries 50..99 never are.
inline constexpr int kListedLodSets = 50;

// " Mesh " + mesh + " Offset " + offset
inline TextLine& MeshAndOffset(TextLine& line, int32_t mesh, int32_t offset) {
    return line.Text(" Mesh ").Int(mesh).Text(" Offset ").Int(offset);
}

// "Jump %3d %10d " for child k of a jump list.
inline void SendJumpLine(TextLine& line, int k, int32_t jump, LineSink& out) {
    line.Text("Jump ").Int(k, 3).Text(" ").Int(jump, 10).Text(" ").SendTo(out);
}

}  // namespace opt
