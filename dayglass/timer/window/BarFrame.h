#pragma once

#include "Countdown.h"

#include <QFrame>

// SSFrame1, the sunken frame that holds the bar. Assistive technology reads it
// as a progress bar: the share of the period still to run while the period
// runs, the share overrun after the end, both as a percentage from 0 to 100.
class BarFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

    // Gives every BarFrame of the program its progress bar face; once, before
    // the first one is made.
    static void installAccessibleInterface();

    // What one tick handed to the bar.
    void showShare(CountdownState state, int barPercent);

    int sharePercent() const { return m_sharePercent; }

private:
    int m_sharePercent = -1;
    bool m_ended = false;
};
