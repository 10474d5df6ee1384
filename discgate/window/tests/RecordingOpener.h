#pragma once

#include "Opener.h"

#include <vector>

// An opener that starts nothing and remembers what it was asked to open.
class RecordingOpener : public Opener {
public:
    void open(const LaunchAction &action) override { actions.push_back(action); }
    std::vector<LaunchAction> actions;
};
