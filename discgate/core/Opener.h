#pragma once

#include "LaunchTarget.h"
#include "OpenFailure.h"
#include "Result.h"

#include <functional>

// Opens what a launch button names, without waiting for what it starts. Tests
// put a recorder in its place.
class Opener {
public:
    // Called once with the desktop's answer: success when the start worked or
    // is under way, else why the target did not open.
    using Answer = std::function<void(Result<void, OpenFailure>)>;

    virtual ~Opener() = default;
    // Calls `answer` on this thread, once, possibly before open() returns.
    virtual void open(const LaunchAction &action, Answer answer) = 0;
};
