#include "TaskBarProgress.h"

#include <cmath>

namespace {

constexpr double smallestChange = 0.001;
constexpr std::chrono::seconds repeatInterval{60};

} // namespace

std::optional<TaskBarState> TaskBarProgress::tick(const Countdown &countdown, LocalSeconds now) {
    m_now = now;
    TaskBarState state = m_sent;
    state.progressVisible = countdown.state == CountdownState::Running && countdown.started;
    if (state.progressVisible)
        state.progress = countdown.barPercent / 100.0;
    return due(state);
}

std::optional<TaskBarState> TaskBarProgress::periodEnded(bool windowActive) {
    TaskBarState state = m_sent;
    state.progressVisible = false;
    state.urgent = !windowActive;
    return due(state);
}

std::optional<TaskBarState> TaskBarProgress::windowActivated() {
    TaskBarState state = m_sent;
    state.urgent = false;
    return due(state);
}

std::optional<TaskBarState> TaskBarProgress::due(TaskBarState state) {
    const bool changed =
        state.progressVisible != m_sent.progressVisible || state.urgent != m_sent.urgent ||
        (state.progressVisible && std::abs(state.progress - m_sent.progress) >= smallestChange);
    const bool showing = state.progressVisible || state.urgent;
    const bool repeat = showing && m_sentAt && m_now - *m_sentAt >= repeatInterval;
    if (!changed && !repeat)
        return std::nullopt;
    m_sent = state;
    m_sentAt = m_now;
    return state;
}
