#pragma once

#include "TemporaryFolder.h"

// The folder a fuzz target keeps its files in for the whole run. Made once:
// libFuzzer calls the target millions of times in one process. Under
// fuzz/run.sh it lies in memory (TMPDIR=/dev/shm), so that syncing the
// written files costs nothing.
inline const TemporaryFolder &fuzzFolder() {
    static const TemporaryFolder folder;
    return folder;
}
