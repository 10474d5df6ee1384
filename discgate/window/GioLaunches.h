#pragma once

#include "Opener.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

// Opens files and addresses with the desktop's default applications through
// GIO, which says when a start fails: no application for the type, a file
// that is not there, a D-Bus-activated application that would not start.
// Inside a sandbox GIO goes through the desktop portal.
//
// Every launch runs asynchronously, on a GLib main context of its own that
// nothing but dispatch() runs, so that the window never waits for GIO and the
// launches work whatever event loop the program has. The owner calls
// dispatch() while it returns true.
class GioLaunches {
public:
    using Answer = Opener::Answer;

    // A launch that has not answered within `answerWait` is taken to be under
    // way: its answer is success, and what GIO says later is not heard.
    explicit GioLaunches(std::chrono::milliseconds answerWait);
    ~GioLaunches();
    GioLaunches(const GioLaunches &) = delete;
    GioLaunches &operator=(const GioLaunches &) = delete;

    void openFile(const std::filesystem::path &path, Answer answer);
    void openAddress(const std::string &address, Answer answer);

    // Lets GIO go on with the launches and hands out the answers that are
    // due, each exactly once. True while a launch is still in GIO's hands.
    bool dispatch();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
