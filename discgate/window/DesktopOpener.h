#pragma once

#include "GioLaunches.h"
#include "Opener.h"

#include <QTimer>
#include <chrono>

// Opens targets through the desktop: addresses and documents with the user's
// chosen applications, programs as detached processes, and says why a start
// failed. No target ever passes through a shell, so blanks, quotes or
// "$(...)" in a name open exactly that file or nothing.
class DesktopOpener : public Opener {
public:
    // Long enough for an application that the desktop starts over D-Bus; a
    // desktop that has not answered by then has taken the request.
    static constexpr std::chrono::seconds defaultAnswerWait{15};

    explicit DesktopOpener(std::chrono::milliseconds answerWait = defaultAnswerWait);
    void open(const LaunchAction &action, Answer answer) override;

private:
    GioLaunches m_launches;
    // Runs the launches while any is under way.
    QTimer m_dispatch;
};
