#pragma once

#include "Countdown.h"

#include <optional>

// What the program's entry on the task bar shows of the period: the bar's
// share while the period runs, and after the end a request for attention.
struct TaskBarState {
    double progress = 0;
    bool progressVisible = false;
    bool urgent = false;

    bool operator==(const TaskBarState &) const = default;
};

// Decides when the task bar is told, so that a tick ten times a second costs
// the desktop nothing: when what it shows changes (the share by 0.1 % or
// more), and while it shows anything once a minute, for a task bar that
// started later. Nothing is told before the first period runs.
class TaskBarProgress {
public:
    // The state to send after a tick at `now`, which counted `countdown`;
    // nothing when none is due.
    std::optional<TaskBarState> tick(const Countdown &countdown, LocalSeconds now);

    // The period has just ended; the window is the active one or not.
    std::optional<TaskBarState> periodEnded(bool windowActive);

    // The window has become the active one: the request for attention ends.
    std::optional<TaskBarState> windowActivated();

private:
    std::optional<TaskBarState> due(TaskBarState state);

    TaskBarState m_sent;
    std::optional<LocalSeconds> m_sentAt;
    LocalSeconds m_now{};
};
