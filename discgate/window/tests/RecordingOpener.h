#pragma once

#include "Opener.h"

#include <vector>

// An opener that starts nothing, remembers what it was asked to open and
// answers at once with `failure`: nothing, as for a start that worked, unless
// a test sets it.
class RecordingOpener : public Opener {
public:
    void open(const LaunchAction &action, Answer answer) override {
        actions.push_back(action);
        answer(failure);
    }
    std::vector<LaunchAction> actions;
    std::optional<OpenFailure> failure;
};
