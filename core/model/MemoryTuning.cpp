#include "model/MemoryTuning.h"

// Any C library header says which library this is.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

bool MemoryTuning::apply()
{
#if defined(__GLIBC__)
    return mallopt(M_MXFAST, 0) == 1;
#else
    return false;
#endif
}
