#pragma once

#include "Opener.h"

#include <utility>
#include <vector>

// An opener that starts nothing, remembers what it was asked to open and
// answers with `failure`: nothing, as for a start that worked, unless a test
// sets it. It answers at once, or, with `answerLater`, when answer() is called.
class RecordingOpener : public Opener {
public:
    void open(const LaunchAction &action, Answer reply) override {
        actions.push_back(action);
        waiting.push_back(std::move(reply));
        if (!answerLater)
            answer();
    }
    void answer() {
        for (const Answer &reply : std::exchange(waiting, {}))
            reply(failure ? Result<void, OpenFailure>(Failure{*failure})
                          : Result<void, OpenFailure>());
    }
    std::vector<LaunchAction> actions;
    std::optional<OpenFailure> failure;
    bool answerLater = false;
    std::vector<Answer> waiting;
};
