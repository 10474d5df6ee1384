#include "ICalendarNotes.h"

#include "CssColourName.h"
#include "TemporaryFolder.h"

#include <cstdlib>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace std::chrono;

namespace {

using DayTexts = std::map<year_month_day, std::string>;

// Each day's texts joined by " | ", so that a row reads as a whole.
DayTexts dayTexts(const NoteAdditions &additions) {
    DayTexts texts;
    for (const auto &[date, indices] : additions.days) {
        for (const std::size_t index : indices)
            texts[date] += (texts[date].empty() ? "" : " | ") + additions.texts[index];
    }
    return texts;
}

// An import within the budget that the program gives one.
Result<NoteAdditions, ImportFailure>
additionsFromICalendar(std::string_view text, std::size_t dayLimit = maximumImportedDays) {
    WorkBudget work(maximumImportWork);
    return ::additionsFromICalendar(text, dayLimit, work);
}

std::string calendarOf(const std::string &body) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

std::string event(const std::string &lines) {
    return "BEGIN:VEVENT\r\nUID:x\r\nDTSTAMP:20240101T000000Z\r\n" + lines + "END:VEVENT\r\n";
}

// `count` times a minute apart from 10 January 2024 00:00 UTC on, each
// written into a text by `write`.
std::string minutes(int count, const std::function<std::string(const char *time)> &write) {
    std::string lines;
    for (int minute = 0; minute < count; ++minute) {
        char time[32];
        std::snprintf(time, sizeof time, "202401%02dT%02d%02d00Z", 10 + minute / 1440,
                      minute / 60 % 24, minute % 60);
        lines += write(time);
    }
    return lines;
}

std::function<std::string(const char *time)> property(const std::string &name) {
    return [name](const char *time) { return name + ":" + time + "\r\n"; };
}

// A zone of `parts` parts, each a change every `rule` since 1601, to +00:00.
std::string hostileZone(int parts, const std::string &rule) {
    std::string zone = "BEGIN:VTIMEZONE\r\nTZID:Hostile\r\n";
    for (int part = 0; part < parts; ++part)
        zone += "BEGIN:STANDARD\r\nDTSTART:16010101T00" + std::to_string(10 + part) +
                "00\r\nTZOFFSETFROM:+0000\r\nTZOFFSETTO:+0000\r\nRRULE:FREQ=" + rule +
                "\r\nEND:STANDARD\r\n";
    return zone + "END:VTIMEZONE\r\n";
}

class ICalendarNotesTest : public testing::Test {
protected:
    // Timed events fall on the days of the local time zone.
    void SetUp() override {
        ::setenv("TZ", "Asia/Tokyo", 1);
        ::tzset();
    }
};

TEST_F(ICalendarNotesTest, EachDayBecomesATransparentAllDayEvent) {
    const std::string text =
        notesToICalendar({{2005y / October / 14, {"一行目#CR#二行目, ok;", oleColor(250, 0, 0)}},
                          {2005y / December / 31, {"", oleColor(0, 0, 255)}},
                          {2006y / January / 1, {"#CR#下の行", oleBlack}}},
                         sys_days{2024y / May / 1} + hours{12})
            ->icalendar;
    for (const char *expected :
         {"UID:20051014@dayglass", "DTSTART;VALUE=DATE:20051014", "DTEND;VALUE=DATE:20051015",
          "SUMMARY:一行目", "DESCRIPTION:一行目\\n二行目\\, ok\\;", "COLOR:red",
          "TRANSP:TRANSPARENT", "DTSTAMP:20240501T120000Z", "DTEND;VALUE=DATE:20060101",
          "COLOR:blue", "SUMMARY:blue", "SUMMARY:下の行", "DESCRIPTION:\\n下の行"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_EQ(text.find("COLOR:black"), std::string::npos);
    EXPECT_EQ(text.find("SUMMARY:\r\n"), std::string::npos);
}

// What the export writes, the import reads back as the same stored note.
TEST_F(ICalendarNotesTest, ExportedNotesReadBackUnchanged) {
    const std::string longLine(300, 'x');
    const DayNotes days = {
        {2005y / March / 7, {"一行#CR#二行#CR##CR#四行", oleRed}},
        {2005y / March / 8, {"#CR#先頭の改行", oleBlack}},
        {2005y / March / 9, {"あ" + longLine + "い, \\;:", oleBlack}},
        {2005y / March / 10, {"", oleRed}},
    };
    const auto read = additionsFromICalendar(notesToICalendar(days, sys_seconds{})->icalendar);
    ASSERT_TRUE(read);
    EXPECT_EQ(dayTexts(*read), (DayTexts{{2005y / March / 7, days.at(2005y / March / 7).note},
                                         {2005y / March / 8, days.at(2005y / March / 8).note},
                                         {2005y / March / 9, days.at(2005y / March / 9).note}}));
}

TEST_F(ICalendarNotesTest, EventsCoverTheirDays) {
    const std::string tokyo =
        "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\n"
        "DTSTART:19701025T030000\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
        "BEGIN:DAYLIGHT\r\nDTSTART:19700329T020000\r\nTZOFFSETFROM:+0100\r\n"
        "TZOFFSETTO:+0200\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
        "END:DAYLIGHT\r\nEND:VTIMEZONE\r\n";
    const struct {
        std::string events;
        DayTexts expected;
        // The work, in steps, that the file may take at most.
        std::size_t workAtMost = 20'000;
    } rows[] = {
        // Three days, with the end day excluded.
        {event("DTSTART;VALUE=DATE:20240429\r\nDTEND;VALUE=DATE:20240502\r\nSUMMARY:連休\r\n"),
         {{2024y / April / 29, "連休"}, {2024y / April / 30, "連休"}, {2024y / May / 1, "連休"}}},
        // 20:00 in Berlin is 03:00 the next day in Tokyo, until 05:00.
        {tokyo + event("DTSTART;TZID=Europe/Berlin:20240110T200000\r\n"
                       "DTEND;TZID=Europe/Berlin:20240110T210000\r\nSUMMARY:会議\r\n"),
         {{2024y / January / 11, "会議"}}},
        // From 23:00 to midnight UTC+9 is one day; a description after the summary.
        {event("DTSTART:20240110T140000Z\r\nDTEND:20240110T150000Z\r\nSUMMARY:遅番\r\n"
               "DESCRIPTION:詳細\\n二行目\r\n"),
         {{2024y / January / 10, "遅番#CR#詳細#CR#二行目"}}},
        // A description that begins with the summary is taken alone.
        {event("DTSTART;VALUE=DATE:20240101\r\nSUMMARY:元日\r\nDESCRIPTION:元日 (祝日)\r\n"),
         {{2024y / January / 1, "元日 (祝日)"}}},
        // A yearly rule without end: ten years; one year excluded, one replaced.
        {event("DTSTART;VALUE=DATE:20200211\r\nRRULE:FREQ=YEARLY\r\nEXDATE;VALUE=DATE:20220211\r\n"
               "SUMMARY:建国記念の日\r\n") +
             "BEGIN:VEVENT\r\nUID:x\r\nRECURRENCE-ID;VALUE=DATE:20230211\r\n"
             "DTSTART;VALUE=DATE:20230212\r\nSUMMARY:振替\r\nEND:VEVENT\r\n",
         [] {
             DayTexts days;
             for (int year = 2020; year < 2030; ++year) {
                 if (year != 2022 && year != 2023)
                     days[std::chrono::year{year} / February / 11] = "建国記念の日";
             }
             days[2023y / February / 12] = "振替";
             return days;
         }()},
        // A rule's own end, extra dates, and two events on one day.
        {event("DTSTART;VALUE=DATE:20240301\r\nRRULE:FREQ=DAILY;COUNT=2\r\n"
               "RDATE;VALUE=DATE:20240310\r\nSUMMARY:A\r\n") +
             event("DTSTART;VALUE=DATE:20240302\r\nSUMMARY:B\r\n") +
             event("DTSTART;VALUE=DATE:20240303\r\nSTATUS:CANCELLED\r\nSUMMARY:C\r\n"),
         {{2024y / March / 1, "A"}, {2024y / March / 2, "A | B"}, {2024y / March / 10, "A"}}},
        // The last Friday of three months; the start is the first occurrence.
        {event("DTSTART;VALUE=DATE:20240101\r\nRRULE:FREQ=MONTHLY;BYDAY=-1FR;COUNT=3\r\n"
               "SUMMARY:月末\r\n"),
         {{2024y / January / 1, "月末"},
          {2024y / January / 26, "月末"},
          {2024y / February / 23, "月末"},
          {2024y / March / 29, "月末"}}},
        // The last weekday of each month up to its end, and a day 31 that
        // months without one leave out.
        {event("DTSTART;VALUE=DATE:20240131\r\nRRULE:FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;"
               "BYSETPOS=-1;UNTIL=20240430\r\nSUMMARY:締め\r\n") +
             event("DTSTART;VALUE=DATE:20240531\r\nRRULE:FREQ=MONTHLY;COUNT=2\r\nSUMMARY:末\r\n"),
         {{2024y / January / 31, "締め"},
          {2024y / February / 29, "締め"},
          {2024y / March / 29, "締め"},
          {2024y / April / 30, "締め"},
          {2024y / May / 31, "末"},
          {2024y / July / 31, "末"}}},
        // Every other Monday and Wednesday at 20:00 in Berlin, 04:00 the
        // next day in Tokyo, up to an end given in UTC.
        {tokyo + event("DTSTART;TZID=Europe/Berlin:20240101T200000\r\nRRULE:FREQ=WEEKLY;"
                       "INTERVAL=2;BYDAY=MO,WE;UNTIL=20240117T190000Z\r\nSUMMARY:練習\r\n"),
         {{2024y / January / 2, "練習"},
          {2024y / January / 4, "練習"},
          {2024y / January / 16, "練習"},
          {2024y / January / 18, "練習"}}},
        // Every five hours, four times, over midnight in Tokyo, and the hours
        // of a rule that allows only some of them.
        {event("DTSTART:20240110T130000Z\r\nRRULE:FREQ=HOURLY;INTERVAL=5;COUNT=4\r\n"
               "SUMMARY:巡回\r\n") +
             event("DTSTART:20240201T000000Z\r\nRRULE:FREQ=MINUTELY;INTERVAL=20;BYHOUR=16;"
                   "BYDAY=SA;UNTIL=20240211T000000Z\r\nSUMMARY:夜\r\n"),
         {{2024y / January / 10, "巡回"},
          {2024y / January / 11, "巡回"},
          {2024y / February / 1, "夜"},
          {2024y / February / 4, "夜"},
          {2024y / February / 11, "夜"}}},
        // A rule that never matches, every second of 30 February, looks at
        // each day once, not at each second.
        {event("DTSTART:20240101T000000Z\r\nRRULE:FREQ=SECONDLY;BYMONTH=2;BYMONTHDAY=30\r\n"
               "SUMMARY:x\r\n"),
         {{2024y / January / 1, "x"}}},
        // Zones that change every minute, or in 40 parts every day, since
        // 1601 are worked out only around the event.
        {hostileZone(1, "MINUTELY") +
             event("DTSTART;TZID=Hostile:20240110T200000\r\nSUMMARY:x\r\n"),
         {{2024y / January / 11, "x"}},
         1'500'000},
        {hostileZone(40, "DAILY") + event("DTSTART;TZID=Hostile:20240110T200000\r\nSUMMARY:x\r\n"),
         {{2024y / January / 11, "x"}},
         200'000},
        // 20,000 extra dates, all but the last excluded, or all cancelled
        // one by one.
        {event("DTSTART:20240101T000000Z\r\n" + minutes(20'000, property("RDATE")) +
               minutes(19'999, property("EXDATE")) + "SUMMARY:x\r\n"),
         {{2024y / January / 1, "x"}, {2024y / January / 24, "x"}},
         200'000},
        {event("DTSTART:20240101T000000Z\r\n" + minutes(10'000, property("RDATE")) +
               "SUMMARY:x\r\n") +
             minutes(10'000,
                     [](const char *time) {
                         return "BEGIN:VEVENT\r\nUID:x\r\nRECURRENCE-ID:" + std::string(time) +
                                "\r\nDTSTART:" + time +
                                "\r\nSTATUS:CANCELLED\r\nSUMMARY:y\r\nEND:VEVENT\r\n";
                     }),
         {{2024y / January / 1, "x"}},
         200'000},
    };
    for (const auto &row : rows) {
        WorkBudget work(row.workAtMost);
        const auto read = additionsFromICalendar(calendarOf(row.events), maximumImportedDays, work);
        ASSERT_TRUE(read) << row.events.substr(0, 2000);
        EXPECT_EQ(dayTexts(*read), row.expected) << row.events.substr(0, 2000);
    }
}

// The days of 2024 that the events cover, as "0301 0302".
std::string coveredDays(const std::string &events) {
    const auto read = additionsFromICalendar(calendarOf(events));
    std::string days;
    for (const auto &[date, texts] : read ? read->days : decltype(read->days){}) {
        char text[8];
        std::snprintf(text, sizeof text, " %02u%02u", static_cast<unsigned>(date.month()),
                      static_cast<unsigned>(date.day()));
        days += text;
    }
    return read ? days.substr(days.empty() ? 0 : 1) : "refused";
}

TEST_F(ICalendarNotesTest, EventsCoverTheirDaysInEveryZone) {
    // A zone that names a path leads libical to that file, here one that
    // would never answer.
    const TemporaryFolder folder;
    const std::filesystem::path fifo = folder.path() / "zone";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string pathZone = "../../../../../../.." + fifo.string();
    const struct {
        std::string lines;
        const char *tokyo, *newYork, *berlin;
        // Time zones that the file defines, as Exchange writes them.
        std::string definedZones{};
    } rows[] = {
        // Floating times are the local times of every zone.
        {"DTSTART:20240301T200000\r\nDTEND:20240301T210000", "0301", "0301", "0301"},
        {"DTSTART:20240301T230000\r\nDTEND:20240302T010000", "0301 0302", "0301 0302", "0301 0302"},
        {"DTSTART:20240301T230000\r\nDTEND:20240302T000000", "0301", "0301", "0301"},
        {"DTSTART:20240301T010000\r\nDURATION:PT1H", "0301", "0301", "0301"},
        {"DTSTART:20240304T160000\r\nDURATION:PT1H\r\nRRULE:FREQ=DAILY;UNTIL=20240306T160000",
         "0304 0305 0306", "0304 0305 0306", "0304 0305 0306"},
        {"DTSTART:20240302T100000\r\nRRULE:FREQ=WEEKLY;UNTIL=20240316T100000", "0302 0309 0316",
         "0302 0309 0316", "0302 0309 0316"},
        // UTC times fall on the days of the zone.
        {"DTSTART:20240301T200000Z\r\nDTEND:20240301T210000Z", "0302", "0301", "0301"},
        {"DTSTART:20240301T230000Z\r\nDTEND:20240302T010000Z", "0302", "0301", "0302"},
        {"DTSTART:20240301T140000Z\r\nDTEND:20240301T150000Z", "0301", "0301", "0301"},
        {"DTSTART:20240301T040000Z\r\nDTEND:20240301T050000Z", "0301", "0229", "0301"},
        {"DTSTART:20240301T100000Z\r\nDTEND:20240303T100000Z", "0301 0302 0303", "0301 0302 0303",
         "0301 0302 0303"},
        {"DTSTART:20240301T220000Z\r\nDTEND:20240301T230000Z", "0302", "0301", "0301"},
        {"DTSTART:20240302T230000Z\r\nRRULE:FREQ=WEEKLY;UNTIL=20240316T230000Z", "0303 0310 0317",
         "0302 0309 0316", "0303 0310 0317"},
        // A zone the file does not define, by its IANA name, its Windows name
        // (the last of the weekly series at its UNTIL too) and libical's name.
        {"DTSTART;TZID=Europe/Paris:20240301T180000\r\nDTEND;TZID=Europe/Paris:20240301T190000",
         "0302", "0301", "0301"},
        {"DTSTART;TZID=Romance Standard Time:20240305T180000\r\n"
         "DTEND;TZID=Romance Standard Time:20240305T190000\r\n"
         "RRULE:FREQ=WEEKLY;UNTIL=20240326T170000Z",
         "0306 0313 0320 0327", "0305 0312 0319 0326", "0305 0312 0319 0326"},
        {"DTSTART;TZID=Asia/Tokyo:20240301T230000\r\nDTEND;TZID=Asia/Tokyo:20240302T000000", "0301",
         "0301", "0301"},
        {"DTSTART;TZID=America/New_York:20240309T230000\r\n"
         "DTEND;TZID=America/New_York:20240310T030000",
         "0310", "0309 0310", "0310"},
        {"DTSTART;TZID=/freeassociation.sourceforge.net/America/New_York:20240301T220000\r\n"
         "DURATION:PT90M",
         "0302", "0301", "0302"},
        // A zone of the file's own, across its change to summer time, to the
        // last of the series at its UNTIL.
        {"DTSTART;TZID=W. Europe Standard Time:20240319T180000\r\nDURATION:PT1H\r\n"
         "RRULE:FREQ=WEEKLY;UNTIL=20240402T160000Z",
         "0320 0327 0403", "0319 0326 0402", "0319 0326 0402",
         "BEGIN:VTIMEZONE\r\nTZID:W. Europe Standard Time\r\nBEGIN:STANDARD\r\n"
         "DTSTART:16010101T030000\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
         "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\r\nEND:STANDARD\r\nBEGIN:DAYLIGHT\r\n"
         "DTSTART:16010101T020000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\n"
         "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n"},
        // A zone that names nothing the system has is floating.
        {"DTSTART;TZID=Nowhere Standard Time:20240301T200000\r\nDURATION:PT1H", "0301", "0301",
         "0301"},
        {"DTSTART;TZID=" + pathZone + ":20240301T200000\r\nDURATION:PT1H", "0301", "0301", "0301"},
        // All-day events are the same days everywhere.
        {"DTSTART;VALUE=DATE:20240301", "0301", "0301", "0301"},
        {"DTSTART;VALUE=DATE:20240301\r\nDTEND;VALUE=DATE:20240304", "0301 0302 0303",
         "0301 0302 0303", "0301 0302 0303"},
        {"DTSTART;VALUE=DATE:20240301\r\nRRULE:FREQ=WEEKLY;UNTIL=20240315", "0301 0308 0315",
         "0301 0308 0315", "0301 0308 0315"},
    };
    for (const auto &row : rows) {
        for (const auto &[zone, expected] : {std::pair("Asia/Tokyo", row.tokyo),
                                             {"America/New_York", row.newYork},
                                             {"Europe/Berlin", row.berlin}}) {
            ::setenv("TZ", zone, 1);
            ::tzset();
            EXPECT_EQ(coveredDays(row.definedZones + event(row.lines + "\r\nSUMMARY:x\r\n")),
                      expected)
                << zone << "\n"
                << row.lines;
        }
    }
}

TEST_F(ICalendarNotesTest, ProblemsAreNamed) {
    const std::string valid = calendarOf(event("DTSTART;VALUE=DATE:20240101\r\nSUMMARY:x\r\n"));
    const struct {
        std::string text;
        ImportProblem problem;
        std::string detail;
    } rows[] = {
        {"[2005/10/14(金)]\r\nText=note\r\n", ImportProblem::NotICalendar, ""},
        {"", ImportProblem::NotICalendar, ""},
        {valid.substr(0, valid.size() / 2), ImportProblem::CutOff, ""},
        {valid.substr(0, valid.find("END:VCALENDAR")), ImportProblem::CutOff, ""},
        {calendarOf(event("DTSTART:garbage\r\nSUMMARY:壊れた予定\r\n")), ImportProblem::BadEvent,
         "壊れた予定"},
        // Every second for ten years would be 315 million occurrences.
        {calendarOf(event("DTSTART:20240101T000000Z\r\nRRULE:FREQ=SECONDLY\r\nSUMMARY:x\r\n")),
         ImportProblem::TooManyDays, ""},
        // A year of a zone that changes every minute is more work than allowed here.
        {calendarOf(hostileZone(1, "MINUTELY") +
                    event("DTSTART;TZID=Hostile:20240110T200000\r\nSUMMARY:分\r\n")),
         ImportProblem::TooMuchWork, "分"},
    };
    for (const auto &row : rows) {
        WorkBudget work(100'000);
        const auto read = additionsFromICalendar(row.text, 2 * 3660 + 100, work);
        ASSERT_FALSE(read) << row.text;
        EXPECT_EQ(read.error().problem, row.problem) << row.text;
        EXPECT_EQ(read.error().detail, row.detail) << row.text;
    }
    // A cancel from outside ends the work as an empty budget does.
    std::stop_source stop;
    stop.request_stop();
    WorkBudget stopped(maximumImportWork, stop.get_token());
    EXPECT_EQ(additionsFromICalendar(valid, 10, stopped).error().problem, ImportProblem::Cancelled);
    // A span of a century is taken for ten years, ends included.
    const std::string century = calendarOf(
        event("DTSTART;VALUE=DATE:20000101\r\nDTEND;VALUE=DATE:21000101\r\nSUMMARY:x\r\n"));
    EXPECT_EQ(additionsFromICalendar(century, 3660)->days.size(), 3654u);
}

TEST(CssColourNameTest, TheNearestNameIsGiven) {
    const std::pair<OleColor, const char *> rows[] = {
        {oleColor(255, 0, 0), "red"},          {oleColor(0, 0, 255), "blue"},
        {oleColor(0, 255, 255), "aqua"},       {oleColor(130, 130, 130), "gray"},
        {oleColor(250, 250, 250), "snow"},     {oleColor(0, 0, 0), "black"},
        {oleColor(255, 140, 1), "darkorange"}, {oleColor(255, 255, 255), "white"},
    };
    for (const auto &[colour, name] : rows)
        EXPECT_EQ(nearestCssColourName(colour), name) << colour;
}

} // namespace
