// The editors' memo texts of one record: the text block of the record as it was chosen ("Orginal
// ..."), then that of the record as edited ("New ..."), reals with the decimal separator given. The
// control panel's memo and the command line's patch commands show them.
#pragma once

#include "model/line_sink.h"
#include "model/store.h"

namespace opt {

// Hardpoints (TTBH entries).
void ShowHardpoint(const HardpointRecord& chosen, const HardpointRecord& edited, LineSink& memo,
                   char separator);
// Mesh descriptors (TCB entries): target box, group, mesh type and the unknown word.
void ShowDescriptor(const DescriptorRecord& chosen, const DescriptorRecord& edited, LineSink& memo,
                    char separator);
// Rotation/scale blocks (TRSH entries).
void ShowRotScale(const RotScaleRecord& chosen, const RotScaleRecord& edited, LineSink& memo, char separator);

}  // namespace opt
