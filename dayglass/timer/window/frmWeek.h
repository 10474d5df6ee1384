#pragma once

#include "DataFile.h"
#include "DayglassContext.h"
#include "ShownPageWatch.h"

#include <QWidget>
#include <array>

class CalendarPage;
class LoginStart;
class PeriodEndNotifier;
class PeriodWarningNotifier;
class QPushButton;
class QTimer;
class TaskBarEntry;
class TimerMenu;
class TimerPage;
class TrayIcon;

// The main window: two tab buttons over the TIMER and CALENDAR pages; the
// period from Data.ini, counted down ten times a second for the TIMER page,
// the desktop's notice of its end, the warning before it, the task bar and
// the tray; the page saved in Data.ini between runs; the period dialog that
// the TIMER page asks for, and the TIMER page's menu of options.
class frmWeek : public QWidget {
    Q_OBJECT
public:
    explicit frmWeek(const DayglassContext &context, QWidget *parent = nullptr);

    enum class StartIn { Window, Tray };

    // Shows the window, or with StartIn::Tray leaves it hidden when the icon
    // is in the tray, where a click shows it.
    void showAtStart(StartIn place);

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
    // While the icon is in the tray, closing hides the window.
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

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
    void showTimerMenu(QPoint position);
    void applyTrayChoice(TrayChoice choice);
    void chooseTray(bool on);
    void chooseWarningLead(std::chrono::minutes lead);
    void tellNotSaved(const WriteResult &written);
    void showAndRaise();
    void toggleFromTray();
    void settingFromTray();

    const DayglassContext m_context;
    // As LoadPeriod read them: both, or neither while Data.ini holds no period.
    std::optional<LocalSeconds> PeriodStart;
    std::optional<LocalSeconds> PeriodEnd;
    TimerPage *const m_timerPage;
    CalendarPage *const m_calendarPage;
    PeriodEndNotifier *const m_endNotifier;
    PeriodWarningNotifier *const m_warningNotifier;
    TaskBarEntry *const m_taskBarEntry;
    LoginStart *const m_loginStart;
    TrayIcon *const m_trayIcon;
    // Made when the TIMER page's menu is first asked for.
    TimerMenu *m_timerMenu = nullptr;
    QTimer *const m_timer;
    ShownPageWatch m_shownPage{m_context.dataFolder};
    std::array<QPushButton *, 2> m_tabs{};
    bool TodayFocusDone = false;
    // A page that cannot be saved is told once a run, not at every switch.
    bool m_pageSaveFailureShown = false;
    // A Data.ini too large to read is told once a run, whenever it is first
    // seen: the focus step looks at it at every tick.
    bool m_dataFileTooLargeShown = false;
    TrayChoice m_trayChoice = TrayChoice::Off;
    // The first close that hides the window says so, once a run.
    bool m_hidingToldOnce = false;
};
