#pragma once

#include "Clock.h"
#include "PeriodWarningWatch.h"

#include <QObject>

// Warns, through the desktop's notification service, once per period and
// lead, that the period's end is as near as the lead the user chose on the
// TIMER page's menu.
class PeriodWarningNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Called whenever LoadPeriod has read the period, with the time.
    void periodLoaded(const std::optional<Period> &period, LocalSeconds now) {
        m_watch.periodLoaded(period, now);
    }

    // Called with the lead read at start-up and each one the user chooses.
    void leadChosen(std::chrono::minutes lead, LocalSeconds now) { m_watch.leadChosen(lead, now); }

    // Called at every tick of the main window with its count-down.
    void tick(const Countdown &countdown);

    std::chrono::minutes lead() const { return m_watch.lead(); }

    // A lead as the user reads it: "5分", "1時間", "1日".
    static QString leadText(std::chrono::minutes lead);

private:
    PeriodWarningWatch m_watch;
};
