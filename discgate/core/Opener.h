#pragma once

#include "LaunchTarget.h"

// Opens what a launch button names. The launcher does not wait for the start
// and never learns whether it worked. Tests put a recorder in its place.
class Opener {
public:
    virtual ~Opener() = default;
    virtual void open(const LaunchAction &action) = 0;
};
