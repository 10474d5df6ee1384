#include "CalendarPage.h"

#include "DataFile.h"
#include "DayCellButton.h"
#include "DayNames.h"
#include "DayNoteStore.h"
#include "HolidayFile.h"
#include "HolidayFileMessage.h"
#include "JapaneseFonts.h"
#include "MessageBoxes.h"
#include "NoteTransferDialogs.h"
#include "QtColors.h"
#include "ThreedPanel.h"
#include "Twips.h"
#include "WriteErrorMessage.h"
#include "frmCSet.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr int daysInWeek = 7;

void paintWhiteOnBlack(QWidget *widget) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Button, Qt::black);
    colours.setColor(QPalette::ButtonText, Qt::white);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

// A label that shows its text as given, never as markup, and lets clicks pass
// to whatever lies beneath it.
QLabel *plainLabel(const QString &objectName, const QRect &place, const QFont &font,
                   QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    label->setFont(font);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// What the area under the grid shows of a selected day: its note, below the
// name of its holiday when it is marked with one.
QString noteAreaText(const DayCell &cell) {
    const QString note = noteDisplayText(cell.stored.note);
    if (!cell.holiday)
        return note;
    const QString holiday = holidayName(*cell.holiday);
    return note.isEmpty() ? holiday : holiday + u'\n' + note;
}

} // namespace

CalendarPage::CalendarPage(const DayglassContext &context, QWidget *parent)
    : QFrame(parent), m_context(context) {
    setObjectName(QStringLiteral("FRM_Calendar"));
    setFrameShape(QFrame::NoFrame);
    resize(twipsRect(0, 0, 2745, 3585).size());
    paintWhiteOnBlack(this);
    showCurrentMonth();
}

void CalendarPage::setVisible(bool visible) {
    if (visible)
        build();
    QFrame::setVisible(visible);
}

void CalendarPage::build() {
    if (m_fraCal)
        return;
    m_fraCal = new QFrame(this);
    m_lblDate = plainLabel(QStringLiteral("lblDate"), twipsRect(345, 165, 1785, 330),
                           designFont(FontFace::MsPGothic, 12, FontWeight::Bold), this);
    m_lblText = plainLabel(QStringLiteral("lblText"), twipsRect(150, 2640, 2595, 945),
                           designFont(FontFace::MsGothic, 9, FontWeight::Regular), this);
    m_CalendarSet = new ThreedPanel(tr("設定"), m_fraCal);
    m_SclFormat = new ThreedPanel(tr("初期化"), m_fraCal);
    createHeading();
    createWeekdayLabels();
    createDayCells();
    createPanels();
    createNoteArea();
    if (readHolidayDisplay(m_context.dataFolder) == HolidayDisplay::Shown) {
        // The page is built while it is being shown or while the main window
        // ticks: the message waits until that is done.
        if (const std::optional<QString> problem = readHolidays())
            QMetaObject::invokeMethod(
                this, [this, text = *problem] { tell(text); }, Qt::QueuedConnection);
    }
    ShowMonth();
}

void CalendarPage::showCurrentMonth() {
    const std::chrono::year_month month = monthOf(m_context.clock());
    m_CalYear = month.year();
    m_CalMonth = month.month();
    if (m_fraCal)
        ShowMonth();
}

void CalendarPage::selectToday() {
    build();
    if (const auto today = cellOfDay(m_grid, dayOf(m_context.clock())))
        setValue(*today);
}

void CalendarPage::reselectSelectedDay() {
    build();
    if (const auto selected = selectedCell())
        selectCell(*selected);
}

bool CalendarPage::focusToday() {
    build();
    const auto today = cellOfDay(m_grid, dayOf(m_context.clock()));
    if (!today)
        return false;
    selectCell(*today);
    return true;
}

void CalendarPage::contextMenuEvent(QContextMenuEvent *event) {
    QMenu menu(this);
    const QAction *exporting = menu.addAction(tr("iCalendar に書き出す…"));
    const QAction *importing = menu.addAction(tr("iCalendar から読み込む…"));
    menu.addSeparator();
    QAction *holidays = menu.addAction(tr("祝日を表示"));
    holidays->setCheckable(true);
    holidays->setChecked(m_holidays.has_value());
    const QAction *chosen = menu.exec(event->globalPos());
    if (chosen == exporting)
        exportNotesWithDialog(this, m_context.dataFolder);
    else if (chosen == importing && importNotesWithDialog(this, m_context.dataFolder))
        redrawSelectingTheSameDay();
    else if (chosen == holidays)
        switchHolidays(m_holidays ? HolidayDisplay::Hidden : HolidayDisplay::Shown);
}

std::optional<QString> CalendarPage::readHolidays() {
    Result<HolidayCalendar, HolidayFileError> holidays = readHolidayCalendar(m_context.dataFolder);
    if (holidays) {
        m_holidays = std::move(*holidays);
        return std::nullopt;
    }
    m_holidays.emplace();
    return HolidayFileMessage::notUsed(m_context.dataFolder.fileToRead(holidayFileName),
                                       holidays.error());
}

// The choice holds for this run even where Data.ini cannot keep it.
void CalendarPage::switchHolidays(HolidayDisplay display) {
    const WriteResult saved = writeHolidayDisplay(m_context.dataFolder, display);
    std::optional<QString> problem;
    if (display == HolidayDisplay::Shown)
        problem = readHolidays();
    else
        m_holidays.reset();
    redrawSelectingTheSameDay();
    if (!saved)
        tell(WriteErrorMessage::notSaved(saved.error()));
    if (problem)
        tell(*problem);
}

void CalendarPage::tell(const QString &text) {
    MessageBoxes::inform(this, QGuiApplication::applicationDisplayName(), text);
}

void CalendarPage::createHeading() {
    m_lblDate->setAlignment(Qt::AlignCenter);
    // The arrows say little when read aloud, so each button also tells what
    // it does.
    const auto addMonthButton = [this](const char *name, const QString &caption,
                                       const QString &purpose, int left, FontFace face,
                                       void (CalendarPage::*handler)()) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleDescription(purpose);
        button->setGeometry(twipsRect(left, 150, 285, 270));
        button->setFont(designFont(face, 8.25, FontWeight::Regular));
        paintWhiteOnBlack(button);
        connect(button, &QPushButton::clicked, this, handler);
    };
    addMonthButton("cmdL", QStringLiteral("▼"), tr("前の月"), 195, FontFace::MsPGothic,
                   &CalendarPage::cmdL_Click);
    addMonthButton("cmdR", QStringLiteral("▲"), tr("次の月"), 1965, FontFace::MsPGothic,
                   &CalendarPage::cmdR_Click);
    addMonthButton("cmdT", QStringLiteral("■"), tr("今日"), 2280, FontFace::MsGothic,
                   &CalendarPage::cmdT_Click);
}

void CalendarPage::createWeekdayLabels() {
    // The labels are named Label_0 and Label_2 to Label_7, as the design
    // numbers them; there is no Label_1.
    static constexpr std::array<int, daysInWeek> labelNumbers = {0, 2, 3, 4, 5, 6, 7};
    static constexpr std::array<int, daysInWeek> lefts = {300, 600, 945, 1290, 1605, 1950, 2265};
    const QFont font = designFont(FontFace::MsGothic, 9, FontWeight::Bold);
    for (std::size_t column = 0; column < labelNumbers.size(); ++column) {
        QLabel *label = plainLabel(QStringLiteral("Label_%1").arg(labelNumbers[column]),
                                   twipsRect(lefts[column], 465, 255, 255), font, this);
        label->setText(weekdayName(std::chrono::weekday{static_cast<unsigned>(column)}));
    }
}

void CalendarPage::createDayCells() {
    m_fraCal->setObjectName(QStringLiteral("fraCal"));
    m_fraCal->setFrameShape(QFrame::NoFrame);
    m_fraCal->setGeometry(twipsRect(225, 675, 2340, 1830));
    paintWhiteOnBlack(m_fraCal);
    const QFont font = designFont(FontFace::MsGothic, 9, FontWeight::Bold);
    for (int index = 1; index <= dayCellCount; ++index) {
        auto *cell = new DayCellButton(m_fraCal);
        cell->setObjectName(QStringLiteral("chkDays_%1").arg(index));
        cell->setText(QString::fromLatin1(hiddenCellCaption));
        cell->setFont(font);
        const int row = (index - 1) / daysInWeek;
        const int column = (index - 1) % daysInWeek;
        cell->setGeometry(twipsRect(column * 330, 30 + row * 300, 350, 320));
        // Every cell is a tab stop of its own, unlike the buttons of a Qt
        // button group, so that Tab walks from day to day selecting each.
        connect(cell, &DayCellButton::clicked, this, [this, index] { setValue(index); });
        connect(cell, &DayCellButton::gotFocus, this, [this, index] { setValue(index); });
        connect(cell, &DayCellButton::doubleClicked, this, &CalendarPage::CalendarSet_Click);
        connect(cell, &DayCellButton::keyDown, this,
                [this, index](int key, Qt::KeyboardModifiers modifiers) {
                    chkDays_KeyDown(index, key, modifiers);
                });
        m_chkDays[static_cast<std::size_t>(index - 1)] = cell;
    }
}

void CalendarPage::createPanels() {
    const QFont font = designFont(FontFace::MsGothic, 9, FontWeight::Bold);
    m_CalendarSet->setObjectName(QStringLiteral("CalendarSet"));
    m_CalendarSet->setGeometry(twipsRect(960, 1560, 675, 255));
    m_CalendarSet->setFont(font);
    m_CalendarSet->hide();
    connect(m_CalendarSet, &ThreedPanel::clicked, this, &CalendarPage::CalendarSet_Click);
    m_SclFormat->setObjectName(QStringLiteral("SclFormat"));
    m_SclFormat->setGeometry(twipsRect(1650, 1560, 675, 255));
    m_SclFormat->setFont(font);
    connect(m_SclFormat, &ThreedPanel::clicked, this, &CalendarPage::SclFormat_Click);
}

void CalendarPage::createNoteArea() {
    // A long note shows its first lines; the rest stays in the file and in the
    // editor.
    m_lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblText->setWordWrap(true);
    paintWhiteOnBlack(m_lblText);
}

std::optional<int> CalendarPage::selectedCell() const {
    for (int index = 1; index <= dayCellCount; ++index) {
        if (dayCell(index)->isChecked())
            return index;
    }
    return std::nullopt;
}

void CalendarPage::setValue(int index) {
    for (int other = 1; other <= dayCellCount; ++other)
        dayCell(other)->setChecked(other == index);
    chkDays_Click(index);
}

void CalendarPage::selectCell(int index) {
    // The focus would select the cell too, but only once the window is
    // active; the selection must not wait for that.
    setValue(index);
    dayCell(index)->setFocus(Qt::OtherFocusReason);
}

bool CalendarPage::stepMonth(MonthStep step) {
    const auto month = steppedMonth(shownMonth(), step);
    if (!month)
        return false;
    m_CalYear = month->year();
    m_CalMonth = month->month();
    return true;
}

void CalendarPage::ShowMonth() {
    m_grid = layOutMonth(shownMonth());
    readMonthNotes(m_context.dataFolder, m_grid);
    if (m_holidays)
        markHolidays(*m_holidays, m_grid);
    m_lblDate->setText(monthHeading(shownMonth()));
    for (int index = 1; index <= dayCellCount; ++index) {
        const DayCell &day = m_grid.cell(index);
        DayCellButton *cell = dayCell(index);
        cell->setText(QString::fromStdString(day.caption()));
        cell->setBackColor(toQColor(day.stored.colour));
        cell->setCaptionColor(m_holidays && drawnInRed(day) ? Qt::red : Qt::white);
        cell->setNameAsToolTip(m_holidays.has_value());
        cell->setVisible(day.date.has_value());
        cell->setAccessibleName(accessibleDayName(day).value_or(QString()));
        cell->setAccessibleDescription(noteDisplayText(day.stored.note));
    }
    // Hiding the focused cell can move the focus, and with it the selection,
    // to another cell; so the selection is dropped only after the cells are
    // drawn.
    for (DayCellButton *cell : m_chkDays)
        cell->setChecked(false);
    m_lblText->clear();
    m_CalendarSet->hide();
}

void CalendarPage::redrawSelectingTheSameDay() {
    const std::optional<int> selected = selectedCell();
    ShowMonth();
    if (selected)
        selectCell(*selected);
}

void CalendarPage::ClearDay(int index) {
    const auto date = m_grid.cell(index).date;
    const WriteResult cleared = date ? clearDay(m_context.dataFolder, *date) : WriteResult();
    ShowMonth();
    selectCell(index);
    // The redraw already shows what the file still holds; the message says
    // why the day kept it.
    if (!cleared)
        tell(WriteErrorMessage::notCleared(dayName(*date), cleared.error()));
}

void CalendarPage::moveToNextDay(int index) {
    if (monthEndsAfterCell(m_grid, index))
        cmdR_Click();
    else
        selectCell(index + 1);
}

void CalendarPage::moveToPreviousDay(int index) {
    if (!monthBeginsBeforeCell(m_grid, index)) {
        selectCell(index - 1);
    } else if (stepMonth(MonthStep::Previous)) {
        ShowMonth();
        selectCell(lastDayCell(m_grid));
    }
}

void CalendarPage::showSteppedMonth(MonthStep step) {
    if (!stepMonth(step))
        return;
    ShowMonth();
    if (const auto first = cellOfDay(m_grid, 1))
        selectCell(*first);
}

void CalendarPage::cmdL_Click() {
    showSteppedMonth(MonthStep::Previous);
}

void CalendarPage::cmdR_Click() {
    showSteppedMonth(MonthStep::Next);
}

void CalendarPage::cmdT_Click() {
    showCurrentMonth();
    focusToday();
}

void CalendarPage::chkDays_Click(int index) {
    m_lblText->setText(noteAreaText(m_grid.cell(index)));
    m_CalendarSet->show();
}

void CalendarPage::chkDays_KeyDown(int index, int key, Qt::KeyboardModifiers modifiers) {
    const bool withModifier =
        modifiers.testAnyFlags(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        ClearDay(index);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (withModifier)
            moveToPreviousDay(index);
        else
            moveToNextDay(index);
        break;
    default:
        break;
    }
}

void CalendarPage::CalendarSet_Click() {
    const auto selected = selectedCell();
    if (!selected)
        return;
    const auto date = m_grid.cell(*selected).date;
    if (!date)
        return;
    // The day is read afresh: another window may have saved it since the
    // month was drawn.
    frmCSet editor(m_context.dataFolder, *date,
                   DayNoteStore(m_context.dataFolder, {*date}).day(*date));
    editor.exec();
    ShowMonth();
    selectCell(*selected);
}

void CalendarPage::SclFormat_Click() {
    if (!MessageBoxes::askYesNo(this, QGuiApplication::applicationDisplayName(),
                                tr("カレンダーを全初期化するよ？いいの？")))
        return;
    if (!holdsCalendar(m_context.dataFolder))
        return;
    const std::optional<int> selected = selectedCell();
    const WriteResult deletion = deleteCalendar(m_context.dataFolder);
    // A file that cannot be deleted stays; the redraw then shows its notes.
    ShowMonth();
    if (const auto day = selected ? selected : cellOfDay(m_grid, 1))
        selectCell(*day);
    if (!deletion)
        tell(WriteErrorMessage::notReset(deletion.error()));
}
