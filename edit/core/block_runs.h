// The fixed runs the editors write back, encoded from table records, and the patch writes built from
// them. A header run starts at Data_Offset - 24 with the record's header in stored form (Data_Offset
// plus Main_Offset); LOD distances carry no header. The patcher checks every byte a run replaces
// against the file image, so a run never overwrites bytes the load did not read there.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "edit/core/patcher.h"
#include "model/store.h"

namespace opt {

// The 24 header bytes as they stand in the file: Data_Offset back in stored form.
std::vector<uint8_t> StoredHeader(const BlockHeader& h, int32_t mainOffset);

// Header and 16-byte payload of a hardpoint: 40 bytes.
std::vector<uint8_t> HardpointRun(const HardpointRecord& r, int32_t mainOffset);
// Header and the 12 floats of a rotation/scale block: 72 bytes.
std::vector<uint8_t> RotScaleRun(const RotScaleRecord& r, int32_t mainOffset);
// Header and 72-byte payload of a mesh descriptor: 96 bytes.
std::vector<uint8_t> DescriptorRun(const DescriptorRecord& r, int32_t mainOffset);
// Little-endian floats, 4 bytes each.
std::vector<uint8_t> FloatRun(std::span<const float> values);

// Patch writes at Data_Offset - 24 whose 24 header bytes must already be there.
PatchWrite HardpointPatch(int index, const HardpointRecord& r, int32_t mainOffset);
PatchWrite RotScalePatch(int index, const RotScaleRecord& r, int32_t mainOffset);
PatchWrite DescriptorPatch(int index, const DescriptorRecord& r, int32_t mainOffset);
// The write-back of the descriptor editor and the hit-zone buttons: 96 bytes at Data_Offset - 24 for
// every TCB entry whose Type is 25, in table order.
std::vector<PatchWrite> DescriptorPatches(const TCB& tcb, int32_t mainOffset);
// The first n distances of a LOD set at its Data_Offset.
PatchWrite LodDistancePatch(int index, const LodSetRecord& r);

// Number of distances a LOD set writes: its Num_Jumps within 0..30.
int LodDistanceCount(const LodSetRecord& r);

}  // namespace opt
