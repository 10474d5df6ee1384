#pragma once

#include "TaskBarProgress.h"

#include <QObject>

// Shows the period on the program's task bar entry through the launcher-entry
// signal that Plasma's task manager and the docks read
// (com.canonical.Unity.LauncherEntry). The session bus is asked for only
// when the first signal is due, so a program that never runs a period never
// connects; without a session bus nothing changes.
class TaskBarEntry : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Called at every tick of the main window with its count-down and the time.
    void tick(const Countdown &countdown, LocalSeconds now) {
        send(m_progress.tick(countdown, now));
    }

    // Called when the period has just ended.
    void periodEnded(bool windowActive) { send(m_progress.periodEnded(windowActive)); }

    // Called when the main window becomes the active one.
    void windowActivated() { send(m_progress.windowActivated()); }

private:
    void send(const std::optional<TaskBarState> &state) const;

    TaskBarProgress m_progress;
};
