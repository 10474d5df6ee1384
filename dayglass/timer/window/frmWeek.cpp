#include "frmWeek.h"

#include "AccessibleFactory.h"
#include "AccessibleWindow.h"
#include "BarFrame.h"
#include "CalendarPage.h"
#include "Countdown.h"
#include "DataFile.h"
#include "DesktopNotice.h"
#include "JapaneseFonts.h"
#include "LoginStart.h"
#include "MessageBoxes.h"
#include "PeriodEndNotifier.h"
#include "PeriodWarningNotifier.h"
#include "QtColors.h"
#include "TabButton.h"
#include "TaskBarEntry.h"
#include "TimerMenu.h"
#include "TimerPage.h"
#include "TrayIcon.h"
#include "Twips.h"
#include "WriteErrorMessage.h"
#include "frmSet.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

constexpr int timerPageIndex = 0;
constexpr int calendarPageIndex = 1;
constexpr int tickMilliseconds = 100;

} // namespace

void frmWeek::installAccessibleInterfaces() {
    installAccessibleInterface<frmWeek, AccessibleWindow>();
    BarFrame::installAccessibleInterface();
}

frmWeek::frmWeek(const DayglassContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_context(context), m_timerPage(new TimerPage(this)),
      m_calendarPage(new CalendarPage(context, this)), m_endNotifier(new PeriodEndNotifier(this)),
      m_warningNotifier(new PeriodWarningNotifier(this)), m_taskBarEntry(new TaskBarEntry(this)),
      m_loginStart(new LoginStart(this)), m_trayIcon(new TrayIcon(m_loginStart, this)),
      m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("frmWeek"));
    //: The title of the main window.
    setWindowTitle(tr("DG"));
    setFixedSize(twipsRect(0, 0, 2850, 4080).size());
    setAutoFillBackground(true);
    setPaletteColor(this, QPalette::Window, Qt::black);
    m_calendarPage->setGeometry(twipsRect(30, 420, 2745, 3585));
    connect(m_timerPage, &TimerPage::settingClicked, this, &frmWeek::Setting_Click);
    connect(m_trayIcon, &TrayIcon::clicked, this, &frmWeek::toggleFromTray);
    connect(m_trayIcon, &TrayIcon::showRequested, this, &frmWeek::showAndRaise);
    connect(m_trayIcon, &TrayIcon::settingRequested, this, &frmWeek::settingFromTray);
    // At once, without the close events that quit() would send first and
    // that the window, while in the tray, answers by hiding.
    connect(m_trayIcon, &TrayIcon::quitRequested, this, [] { QCoreApplication::exit(0); });
    // After the tick, as the request for attention handles pending events.
    connect(m_endNotifier, &PeriodEndNotifier::periodEnded, this, &frmWeek::askForAttention,
            Qt::QueuedConnection);
    createTabButtons();

    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(tickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &frmWeek::Timer_Timer);
    Form_Load();
}

void frmWeek::createTabButtons() {
    auto *group = new QButtonGroup(this);
    const std::array<std::pair<const char *, QRect>, 2> tabs = {{
        {QT_TR_NOOP("TIMER"), twipsRect(120, 90, 1305, 435)},
        {QT_TR_NOOP("CALENDAR"), twipsRect(1410, 90, 1305, 435)},
    }};
    // Assistive technology reads each page under the caption of its tab.
    const std::array<QWidget *, 2> pages = {m_timerPage, m_calendarPage};
    for (int index = 0; index < 2; ++index) {
        auto *tab = new TabButton(tr(tabs[index].first), this);
        pages[index]->setAccessibleName(tab->text());
        tab->setObjectName(QStringLiteral("CMD_Timer_%1").arg(index));
        tab->setGeometry(tabs[index].second);
        tab->setFont(designFont(FontFace::MsGothic, 12, FontWeight::Bold));
        group->addButton(tab, index);
        connect(tab, &QPushButton::clicked, this, [this, index] { CMD_Timer_Click(index); });
        m_tabs[index] = tab;
    }
    setTabOrder(m_tabs[0], m_tabs[1]);
}

void frmWeek::Form_Load() {
    const TimerOptions options = readTimerOptions(m_context.dataFolder);
    m_warningNotifier->leadChosen(options.warningLead, m_context.clock());
    applyTrayChoice(options.tray);
    LoadPeriod();
    Timer_Timer();
    m_calendarPage->showCurrentMonth();
    TodayFocusDone = false;
    // A page number that names no tab shows the TIMER page.
    const int page =
        readSavedPageTellingTooLarge() == calendarPageIndex ? calendarPageIndex : timerPageIndex;
    m_tabs[page]->setChecked(true);
    CMD_Timer_Click(page);
}

void frmWeek::showAtStart(StartIn place) {
    if (place == StartIn::Tray && m_trayIcon->isShown())
        m_timer->start();
    else
        show();
}

void frmWeek::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    m_timer->start();
}

void frmWeek::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_taskBarEntry->windowActivated();
}

void frmWeek::closeEvent(QCloseEvent *event) {
    if (!m_trayIcon->isShown())
        return QWidget::closeEvent(event);
    event->ignore();
    hide();
    if (!std::exchange(m_hidingToldOnce, true))
        sendDesktopNotice(tr("dayglass はトレイで動き続けます。終わるには、トレイのアイコンの"
                             "メニューから「終了」を選んでください"));
}

int frmWeek::readSavedPageTellingTooLarge() {
    if (const ShownPage page = m_shownPage.read())
        return *page;
    tellDataFileTooLarge();
    return 0;
}

void frmWeek::tellDataFileTooLarge() {
    if (!std::exchange(m_dataFileTooLargeShown, true))
        MessageBoxes::inform(this, QGuiApplication::applicationDisplayName(),
                             WriteErrorMessage::tooLargeToRead(
                                 m_context.dataFolder.fileToRead(dataFileName), dataFileSizeLimit));
}

void frmWeek::CMD_Timer_Click(int index) {
    const bool calendar = index == calendarPageIndex;
    m_timerPage->setVisible(!calendar);
    m_calendarPage->setVisible(calendar);
    if (calendar) {
        if (TodayFocusDone)
            m_calendarPage->reselectSelectedDay();
        else
            m_calendarPage->selectToday();
    }
    savePage(index);
}

// A Data.ini that the user protected from writing stays as it is without a
// word (see writeShownPage); any other failure is told once a run.
void frmWeek::savePage(int index) {
    const WriteResult written = writeShownPage(m_context.dataFolder, index);
    if (!written && written.error().problem == WriteProblem::Oversized)
        return tellDataFileTooLarge();
    if (!written && !std::exchange(m_pageSaveFailureShown, true))
        tellNotSaved(written);
}

// A right click on the TIMER page, or the menu key while the focus is on a
// tab button, which the page's own controls never take.
void frmWeek::contextMenuEvent(QContextMenuEvent *event) {
    if (m_timerPage->isVisible())
        showTimerMenu(event->globalPos());
}

void frmWeek::showTimerMenu(QPoint position) {
    if (!m_timerMenu) {
        m_timerMenu = new TimerMenu(m_loginStart, this);
        connect(m_timerMenu, &TimerMenu::trayChosen, this, &frmWeek::chooseTray);
        connect(m_timerMenu, &TimerMenu::warningLeadChosen, this, &frmWeek::chooseWarningLead);
    }
    m_timerMenu->popUpAt(position, m_trayChoice == TrayChoice::On,
                         QSystemTrayIcon::isSystemTrayAvailable(), m_warningNotifier->lead());
}

// The icon goes into the tray when the user chose it and the desktop has a
// tray; only then does the program go on without its window.
void frmWeek::applyTrayChoice(TrayChoice choice) {
    m_trayChoice = choice;
    const bool shown = choice == TrayChoice::On && QSystemTrayIcon::isSystemTrayAvailable();
    m_trayIcon->setShown(shown);
    QGuiApplication::setQuitOnLastWindowClosed(!shown);
}

// A choice that cannot be saved holds for this run, and the user is told.
void frmWeek::chooseTray(bool on) {
    const TrayChoice choice = on ? TrayChoice::On : TrayChoice::Off;
    tellNotSaved(writeTrayChoice(m_context.dataFolder, choice));
    applyTrayChoice(choice);
}

void frmWeek::chooseWarningLead(std::chrono::minutes lead) {
    tellNotSaved(writeWarningLead(m_context.dataFolder, lead));
    m_warningNotifier->leadChosen(lead, m_context.clock());
}

void frmWeek::tellNotSaved(const WriteResult &written) {
    if (!written)
        MessageBoxes::inform(this, QGuiApplication::applicationDisplayName(),
                             WriteErrorMessage::notSaved(written.error()));
}

void frmWeek::showAndRaise() {
    show();
    raise();
    activateWindow();
}

void frmWeek::toggleFromTray() {
    if (isVisible() && isActiveWindow())
        hide();
    else
        showAndRaise();
}

// The tray's menu stays open to the user while a dialog is up; its period
// item then brings that dialog forward instead of opening another.
void frmWeek::settingFromTray() {
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    showAndRaise();
    Setting_Click();
}

// The dialog saves the period or not; either way the page shows what the file
// holds now.
void frmWeek::Setting_Click() {
    frmSet dialog(m_context);
    dialog.exec();
    LoadPeriod();
}

void frmWeek::LoadPeriod() {
    const LoadedPeriod loaded = readPeriod(m_context.dataFolder);
    PeriodStart = loaded.period ? std::optional(loaded.period->start) : std::nullopt;
    PeriodEnd = loaded.period ? std::optional(loaded.period->end) : std::nullopt;
    m_timerPage->showPeriodDates(loaded.startCaption, loaded.endCaption);
    m_trayIcon->showPeriodEnd(QString::fromStdString(loaded.endCaption));
    m_endNotifier->periodLoaded(loaded.period, m_context.clock());
    m_warningNotifier->periodLoaded(loaded.period, m_context.clock());
}

// Qt asks the desktop for attention (the task bar's urgency hint) only while
// the window is not the active one, until it becomes active. The request is
// handed to the window system at once: on X11 Qt would keep it until the
// window next exchanges anything with the server, which a window that shows
// the CALENDAR page may not do for hours.
void frmWeek::askForAttention() {
    m_taskBarEntry->periodEnded(isActiveWindow());
    QApplication::alert(this);
    QGuiApplication::sync();
}

void frmWeek::Timer_Timer() {
    const LocalSeconds now = m_context.clock();
    const auto period =
        PeriodStart && PeriodEnd ? std::optional(Period{*PeriodStart, *PeriodEnd}) : std::nullopt;
    const Countdown countdown = countDown(period, now);
    m_timerPage->showCountdown(countdown);
    m_endNotifier->tick(countdown);
    m_warningNotifier->tick(countdown);
    m_taskBarEntry->tick(countdown, now);
    m_trayIcon->showCountdown(countdown);
    // Data.ini is looked at in each tick until the CALENDAR page is the saved
    // page, so the focus follows a switch made at any time. The focus goes only
    // to a cell that is shown: a page saved by another program while the TIMER
    // page is shown leaves the step waiting until the user shows the calendar,
    // so that no key of the TIMER page reaches a hidden day.
    if (!TodayFocusDone && readSavedPageTellingTooLarge() == calendarPageIndex &&
        !m_calendarPage->isHidden()) {
        m_calendarPage->focusToday();
        TodayFocusDone = true;
    }
}
