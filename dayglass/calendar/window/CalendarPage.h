#pragma once

#include "CalendarNavigation.h"
#include "DayglassContext.h"
#include "HolidayCalendar.h"
#include "MonthGrid.h"

#include <QFrame>
#include <array>
#include <optional>

class DayCellButton;
enum class HolidayDisplay;
class QLabel;
class ThreedPanel;

// The CALENDAR page of the main window (FRM_Calendar): one month of day cells,
// the note of the selected day below them, buttons to change the month, and
// the panels that open the note editor and wipe the whole calendar. Every
// change of month or of notes redraws the month from Calendar.ini and then
// selects a day again, so the user always ends with one day selected.
//
// The controls are built, and Calendar.ini first read, when the page is first
// shown or asked to select a day: a start that shows the TIMER page pays
// nothing for them. The month to show is set at start-up all the same.
//
// When the user has chosen so in the context menu, the page also shows Japan's
// national holidays: their numbers and those of Sundays in red, a holiday's
// name above the note and in the cell's name. They are read when the page is
// built and when they are turned on, from syukujitsu.csv in the data folder
// for the years it covers; nothing of them goes into Calendar.ini.
class CalendarPage : public QFrame {
    Q_OBJECT
public:
    CalendarPage(const DayglassContext &context, QWidget *parent);

    // Draws the month of the clock's date, with no day selected; a page not
    // built yet keeps the month and draws it when it is built.
    void showCurrentMonth();

    // Selects today's cell without moving the focus.
    void selectToday();

    // Selects the selected day again and gives it the focus.
    void reselectSelectedDay();

    // Gives the focus to today's cell, which selects it; false when the month
    // shown does not hold today.
    bool focusToday();

    void setVisible(bool visible) override;

protected:
    // Right click or the menu key: the export and import of notes, and the
    // holidays on or off.
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void build();
    void createHeading();
    void createWeekdayLabels();
    void createDayCells();
    void createPanels();
    void createNoteArea();
    // Reads the holidays to show; the message that tells why syukujitsu.csv
    // is not used, when it is not.
    std::optional<QString> readHolidays();
    void switchHolidays(HolidayDisplay display);
    void tell(const QString &text);

    DayCellButton *dayCell(int index) const {
        return m_chkDays.at(static_cast<std::size_t>(index - 1));
    }
    std::optional<int> selectedCell() const;
    // Value true: the cell becomes the only one selected and shows its note.
    void setValue(int index);
    // Value true, then the keyboard focus.
    void selectCell(int index);
    bool stepMonth(MonthStep step);
    // The month before or after, with its day 1 selected.
    void showSteppedMonth(MonthStep step);
    std::chrono::year_month shownMonth() const { return m_CalYear / m_CalMonth; }

    void ShowMonth();
    // ShowMonth, then the day selected before selected again.
    void redrawSelectingTheSameDay();
    // Empties the day's note and colour, and draws the month again.
    void ClearDay(int index);
    void moveToNextDay(int index);
    void moveToPreviousDay(int index);

    void cmdL_Click();
    void cmdR_Click();
    void cmdT_Click();
    void chkDays_Click(int index);
    void chkDays_KeyDown(int index, int key, Qt::KeyboardModifiers modifiers);
    void CalendarSet_Click();
    void SclFormat_Click();

    const DayglassContext m_context;
    std::chrono::year m_CalYear;
    std::chrono::month m_CalMonth;
    MonthGrid m_grid;
    // The holidays shown; nothing while the page shows none.
    std::optional<HolidayCalendar> m_holidays;

    // Null until the page is built.
    QFrame *m_fraCal = nullptr;
    QLabel *m_lblDate = nullptr;
    QLabel *m_lblText = nullptr;
    std::array<DayCellButton *, dayCellCount> m_chkDays{};
    ThreedPanel *m_CalendarSet = nullptr;
    ThreedPanel *m_SclFormat = nullptr;
};
