// Large buffers (a model file image, a glTF buffer, texture pictures) are made and freed again on
// every load and export. By default the C library hands freed blocks above a size threshold back to
// the system, so the next load or export faults every page in anew; on a virtual machine that costs
// more than the work itself. The programs keep freed memory for reuse instead.
#pragma once

namespace opt {

// Keeps freed memory in the process for reuse (a no-op where the C library has no such setting).
void KeepFreedMemoryForReuse();

}  // namespace opt
