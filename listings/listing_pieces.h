// Pieces that several listings share.
#pragma once

#include <string_view>

#include "listings/text_format.h"
#include "model/store.h"

namespace opt {

// Only the first 50 LOD sets of the classic table are listed (and shown in the distance table);
// entries 50..99 never are. A table the load grew past its classic size is listed whole.
inline constexpr int kListedLodSets = 50;
inline int ListedLodSets(const TTMDH& ttmdh) {
    return ttmdh.Size() > TTMDH::Classic ? ttmdh.Size() : kListedLodSets;
}

// " Mesh " + mesh + " Offset " + offset
inline TextLine& MeshAndOffset(TextLine& line, int32_t mesh, int32_t offset) {
    return line.Text(" Mesh ").Int(mesh).Text(" Offset ").Int(offset);
}

// "Jump %3d %10d " for child k of a jump list.
inline void SendJumpLine(TextLine& line, int k, int32_t jump, LineSink& out) {
    line.Text("Jump ").Int(k, 3).Text(" ").Int(jump, 10).Text(" ").SendTo(out);
}

}  // namespace opt
