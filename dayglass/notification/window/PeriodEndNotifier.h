#pragma once

#include "Clock.h"
#include "PeriodEndWatch.h"

#include <QObject>

// Tells the desktop, once per period, that the period has ended: a notice
// through the desktop's notification service on the session bus, and
// periodEnded for the window, which asks for attention. Nothing waits for the
// service: without a session bus, or with nobody owning the service's name,
// the period ends as quietly as it would without this.
class PeriodEndNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Called whenever LoadPeriod has read the period, with the time.
    void periodLoaded(const std::optional<Period> &period, LocalSeconds now) {
        m_watch.periodLoaded(period, now);
    }

    // Called at every tick of the main window, with the count-down that the
    // tick paints the page from, so that the notice comes with the red page.
    void tick(const Countdown &countdown);

signals:
    void periodEnded();

private:
    PeriodEndWatch m_watch;
};
