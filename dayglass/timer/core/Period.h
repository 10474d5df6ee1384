#pragma once

#include "Clock.h"

// The period in whole seconds of local time.
struct Period {
    LocalSeconds start;
    LocalSeconds end;

    bool operator==(const Period &) const = default;
};
