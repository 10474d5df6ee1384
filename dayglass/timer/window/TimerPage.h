#pragma once

#include "Countdown.h"
#include "DayglassContext.h"

#include <QFrame>
#include <array>

class BarFrame;
class QLabel;

// The TIMER page: the period's start and end, the remaining time in seven
// units, and the bar of the remaining share. Its controls are built when it is
// first shown, so that a start on the CALENDAR page pays nothing for them; the
// period is read at start-up all the same.
class TimerPage : public QFrame {
    Q_OBJECT
public:
    TimerPage(const DayglassContext &context, QWidget *parent);

    // Reads the period from Data.ini and shows its start and end dates.
    void LoadPeriod();

    // The period LoadPeriod read last; nothing when Data.ini holds none.
    const std::optional<Period> &period() const { return m_period; }

    // Recomputes and paints the whole page from the clock.
    void Timer_Timer();
    // Paints the page from the count-down of the period LoadPeriod read last,
    // which the window's other work of the tick shares.
    void showCountdown(const Countdown &countdown);

    void setVisible(bool visible) override;

signals:
    // The Setting panel was clicked: the window above opens the period dialog
    // and then calls LoadPeriod again.
    void settingClicked();

private:
    void build();
    void createDateLabels();
    void createUnitColumn();
    void createBar();
    void createSettingButton();
    QLabel *createLabel(const char *objectName, const QString &caption, QRect geometry,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

    void showUnits(const Countdown &countdown);
    void paint(const QColor &textColor);
    void SetBar(int percent);

    const DayglassContext m_context;
    std::optional<Period> m_period;
    // The texts of STime and ETime; the design's until LoadPeriod runs.
    QString m_startText = QStringLiteral("2005/10/10");
    QString m_endText = QStringLiteral("0");

    // Null until the page is built.

    QLabel *m_startCaption = nullptr;
    QLabel *m_endCaption = nullptr;
    std::array<QLabel *, timeUnitCount> m_unitNumbers{};
    std::array<QLabel *, timeUnitCount> m_unitLabels{};
    // The colour of every text and line of the page as last painted: the page
    // turns only when the period starts or ends, not at every tick.
    QColor m_textColour;
    // What the page shows, as the last tick that changed it computed it.
    std::optional<Countdown> m_shown;
    BarFrame *m_barFrame = nullptr;
    QFrame *m_bar = nullptr;
};
