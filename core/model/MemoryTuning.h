#ifndef MEMORYTUNING_H
#define MEMORYTUNING_H

// How the process's allocator is set up for large models. The program calls apply() once at start,
// before anything is allocated in earnest, and so do its benchmarks, so that they time what a user
// meets.
class MemoryTuning
{
public:
    // Turns off the C library's fast bins (glibc; elsewhere, and under a sanitizer's allocator,
    // nothing is changed). A model or a plan of 10^5 elements is millions of small blocks; with
    // fast bins, every free that leaves a free region of 64 KB or more sweeps all of them again,
    // and tearing down a loaded model spent about a third of its time there. Small blocks still
    // come from the per-thread cache. True when the setting took.
    static bool apply();
};

#endif // MEMORYTUNING_H
