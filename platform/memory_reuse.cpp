#include "platform/memory_reuse.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace opt {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // Blocks up to 256 MiB come from the heap rather than their own mappings, and the heap's free top
    // is kept up to 512 MiB: a second export of the same model reuses the first one's pages.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
}

}  // namespace opt
