#pragma once

#include "LaunchTarget.h"
#include "OpenFailure.h"

#include <functional>
#include <optional>

// Opens what a launch button names, without waiting for what it starts. Tests
// put a recorder in its place.
class Opener {
public:
    // Called once with the desktop's answer: nothing when the start worked or
    // is under way, or why the target did not open.
    using Answer = std::function<void(std::optional<OpenFailure>)>;

    virtual ~Opener() = default;
    // Calls `answer` on this thread, once, possibly before open() returns.
    virtual void open(const LaunchAction &action, Answer answer) = 0;
};
