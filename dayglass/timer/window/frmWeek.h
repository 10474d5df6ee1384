#pragma once

#include "DayglassContext.h"
#include "ShownPageWatch.h"

#include <QWidget>
#include <array>

class CalendarPage;
class PeriodEndNotifier;
class QPushButton;
class QTimer;
class TaskBarEntry;
class TimerPage;

// The main window: two tab buttons over the TIMER and CALENDAR pages; the
// period from Data.ini, counted down ten times a second for the TIMER page,
// the desktop's notice of its end and the task bar; the page saved in
// Data.ini between runs; and the period dialog that the TIMER page asks for.
class frmWeek : public QWidget {
    Q_OBJECT
public:
    explicit frmWeek(const DayglassContext &context, QWidget *parent = nullptr);

    // Gives the window and its bar the faces that assistive technology reads;
    // once, before the first window is made.
    static void installAccessibleInterfaces();

    // One tick: the count-down, once, for the page, the end's notice and the
    // task bar; then, until it has once succeeded while the CALENDAR page is
    // the saved page and shown, the focus on today's day cell.
    void Timer_Timer();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createTabButtons();
    void Form_Load();
    void CMD_Timer_Click(int index);
    void Setting_Click();
    void LoadPeriod();
    void askForAttention();
    int readSavedPageTellingTooLarge();
    void savePage(int index);
    void tellDataFileTooLarge();

    const DayglassContext m_context;
    // As LoadPeriod read them: both, or neither while Data.ini holds no period.
    std::optional<LocalSeconds> PeriodStart;
    std::optional<LocalSeconds> PeriodEnd;
    TimerPage *const m_timerPage;
    CalendarPage *const m_calendarPage;
    PeriodEndNotifier *const m_endNotifier;
    TaskBarEntry *const m_taskBarEntry;
    QTimer *const m_timer;
    ShownPageWatch m_shownPage{m_context.dataFolder};
    std::array<QPushButton *, 2> m_tabs{};
    bool TodayFocusDone = false;
    // A page that cannot be saved is told once a run, not at every switch.
    bool m_pageSaveFailureShown = false;
    // A Data.ini too large to read is told once a run, whenever it is first
    // seen: the focus step looks at it at every tick.
    bool m_dataFileTooLargeShown = false;
};
