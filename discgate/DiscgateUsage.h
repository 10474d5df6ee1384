#pragma once

#include "ProgramUsage.h"

// discgate's command line: the medium to open, and what its --help tells.
const ProgramUsage &discgateUsage();
