// The editable values of the hardpoint, rotation/scale, descriptor and LOD tables read back from the
// file image: after a failed write the tables show what the file holds, not the edit that did not
// reach it, and after a write planned without tables (a revert) they show what it put there.
#pragma once

#include <span>

#include "edit/core/patcher.h"
#include "model/store.h"

namespace opt {

// Every record whose payload shares a byte with one of the writes takes its editable values (not
// its header words, which no editor changes) from store.File_Image again.
void RestoreFromImage(ModelStore& store, std::span<const PatchWrite> writes);

}  // namespace opt
