#include "edit/core/hit_zone_writes.h"

#include "edit/core/block_runs.h"

namespace opt {

std::vector<PatchWrite> DescriptorPatches(const TCB& tcb, int32_t mainOffset) {
    std::vector<PatchWrite> writes;
    for (int k = 0; k < tcb.Size(); ++k)
        if (tcb[k].Type == kMeshDescriptor) writes.push_back(DescriptorPatch(k, tcb[k], mainOffset));
    return writes;
}

std::vector<int> CentrePairs(const TCB& tcb, const TRSH& trsh) {
    std::vector<int> pairs;
    for (int k = 0; k < tcb.Size() && k < trsh.Size(); ++k)
        if (tcb[k].Type == kMeshDescriptor && trsh[k].Type == kRotScale) pairs.push_back(k);
    return pairs;
}

}  // namespace opt
