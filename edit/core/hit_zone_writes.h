// The patch writes of the hit-zone buttons, built from the tables: every mesh descriptor (WriteHZ and
// the zero writer), and the rotation/scale blocks that receive the computed centres.
#pragma once

#include <vector>

#include "edit/core/patcher.h"
#include "model/store.h"

namespace opt {

// 96 bytes at Data_Offset - 24 for every TCB entry 0..49 whose Type is 25.
std::vector<PatchWrite> DescriptorPatches(const TCB& tcb, int32_t mainOffset);

// The table indices k where TCB entry k is a descriptor (Type 25) and TRSH entry k a rotation/scale
// block (Type 23): the pairs whose centres are copied.
std::vector<int> CentrePairs(const TCB& tcb, const TRSH& trsh);

}  // namespace opt
