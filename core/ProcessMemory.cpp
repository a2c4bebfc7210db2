#include "core/ProcessMemory.h"

#include <malloc.h>

namespace dovrix {

void returnLargeBuffersToTheSystem()
{
    // A fixed threshold also turns off the C library's raising of it.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

} // namespace dovrix
