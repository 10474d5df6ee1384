#include "NoteTransfer.h"

#include "DaySection.h"
#include "FileStore.h"
#include "NoteImport.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

const std::string fridaySection = "[2005/10/14(金)]\r\n";
const year_month_day friday = 2005y / October / 14;
const year_month_day saturday = 2005y / October / 15;

// A Calendar.ini as the program keeps it, in CP932.
DayNoteStore calendarHolding(const std::string &utf8) {
    return DayNoteStore::ofContent(encodeText(utf8, TextEncoding::Cp932));
}

TEST(NoteImportTest, TextsJoinTheNotesOfTheirDays) {
    const NoteAdditions additions{{"祝日", "第二#CR#二行"}, {{friday, {0, 1}}, {saturday, {0}}}};
    const NoteChanges::value_type bothToFriday{friday, "祝日#CR#第二#CR#二行"};
    const NoteChanges::value_type toSaturday{saturday, "祝日"};
    const struct {
        std::string file;
        NoteChanges changes;
        std::vector<year_month_day> leftAlone;
    } rows[] = {
        // Days without notes get the texts, one line after another.
        {"", {bothToFriday, toSaturday}, {}},
        // A note keeps its lines, and texts it holds already are not added again.
        {fridaySection + "Text=メモ#CR#祝日#CR#第二#CR#二行\r\nCollar=255\r\n", {toSaturday}, {}},
        {fridaySection + "Text=メモ\r\n",
         {{friday, "メモ#CR#祝日#CR#第二#CR#二行"}, toSaturday},
         {}},
        // A note that would no longer read back whole stays as it is.
        {"[2005/10/15(土)]\r\nText=" + std::string(995, 'y') + "\r\n", {bothToFriday}, {saturday}},
    };
    for (const auto &row : rows) {
        const auto plan = planImport(calendarHolding(row.file), additions);
        ASSERT_TRUE(plan) << row.file;
        EXPECT_EQ(plan->changes, row.changes) << row.file;
        EXPECT_EQ(plan->leftAlone, row.leftAlone) << row.file;
    }
}

TEST(NoteImportTest, CharactersBeyondShiftJisStopTheWholeImportInACp932File) {
    const NoteAdditions additions{{"ok", "한국 😀"}, {{saturday, {0, 1}}, {friday, {0}}}};
    const auto plan = planImport(DayNoteStore::ofContent(""), additions);
    ASSERT_FALSE(plan);
    EXPECT_EQ(plan.error(), (UnstorableText{saturday, "한국😀"}));
    // A file in UTF-8 keeps them.
    EXPECT_EQ(planImport(DayNoteStore::ofContent("\xEF\xBB\xBF"), additions)->changes.size(), 2u);
}

std::optional<ImportProblem> problemOf(const ImportOutcome &outcome) {
    return outcome ? std::nullopt : std::optional(outcome.error().problem);
}

class NoteTransferTest : public testing::Test {
protected:
    std::filesystem::path calendar() const { return m_folder.path() / "Calendar.ini"; }
    std::filesystem::path ics() const { return m_folder.path() / "in.ics"; }
    TemporaryFolder m_folder;
};

TEST_F(NoteTransferTest, ImportsChangeTheFileOnceOrNotAtAll) {
    const std::string before =
        encodeText(fridaySection + "Text=メモ\r\nCollar=255\r\n", TextEncoding::Cp932);
    writeBytes(calendar(), before);
    const struct {
        std::string ics;
        ImportProblem problem;
        // Stopped from outside, as a cancel in the window does.
        bool stopped = false;
    } refused[] = {
        {"not a calendar", ImportProblem::NotICalendar},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20051015\r\n",
         ImportProblem::CutOff},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20051015\r\nSUMMARY:ok\r\n"
         "END:VEVENT\r\nBEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20051016\r\nSUMMARY:"
         "\xE2\x82\xA9"
         "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
         ImportProblem::NotInShiftJis},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20051015\r\nSUMMARY:ok\r\n"
         "END:VEVENT\r\nEND:VCALENDAR\r\n",
         ImportProblem::Cancelled, true},
    };
    for (const auto &row : refused) {
        writeBytes(ics(), row.ics);
        std::stop_source stop;
        if (row.stopped)
            stop.request_stop();
        EXPECT_EQ(problemOf(importNotes(m_folder.path(), ics(), stop.get_token())), row.problem)
            << row.ics;
        EXPECT_EQ(readBytes(calendar()), before);
    }
    writeBytes(ics(), std::string(maximumICalendarSize + 1, ' '));
    EXPECT_EQ(problemOf(importNotes(m_folder.path(), ics())), ImportProblem::TooLarge);
    EXPECT_EQ(problemOf(importNotes(m_folder.path(), m_folder.path())), ImportProblem::Unreadable);

    writeBytes(ics(),
               "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20051014\r\n"
               "DTEND;VALUE=DATE:20051016\r\nSUMMARY:連休\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const ImportOutcome outcome = importNotes(m_folder.path(), ics());
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->changedDays, 2u);
    EXPECT_EQ(readBytes(calendar()),
              encodeText(fridaySection + "Text=メモ#CR#連休\r\nCollar=255\r\n"
                                         "[2005/10/15(土)]\r\nText=連休\r\n",
                         TextEncoding::Cp932));
    // The same file again finds every text there already.
    EXPECT_EQ(importNotes(m_folder.path(), ics())->changedDays, 0u);
}

// An export imported into an empty folder gives the same notes, byte for byte.
TEST_F(NoteTransferTest, AnExportImportsBackIntoTheSameNotes) {
    std::string content;
    for (sys_days day = sys_days{2008y / January / 1}; day < sys_days{2009y / January / 1};
         day += days{1}) {
        content += "[" + daySectionName(year_month_day{day}) +
                   "]\r\nText=" + daySectionName(year_month_day{day}) +
                   " の予定#CR#夜は食事\r\nCollar=" +
                   std::to_string(day.time_since_epoch().count() % 3 * 255) + "\r\n";
    }
    // Sections that name no day are never shown and not exported.
    content += "[2008/01/01(火)]\r\nText=wrong weekday\r\n[Other]\r\nText=other\r\n";
    writeBytes(calendar(), encodeText(content, TextEncoding::Cp932));
    const auto exported = exportNotes(m_folder.path(), sys_seconds{});
    ASSERT_TRUE(exported);
    EXPECT_EQ(exported->days, 366u);

    TemporaryFolder empty;
    writeBytes(empty.path() / "in.ics", exported->icalendar);
    EXPECT_EQ(importNotes(empty.path(), empty.path() / "in.ics")->changedDays, 366u);
    const DayNotes original = DayNoteStore(m_folder.path()).annotatedDays();
    const DayNotes imported = DayNoteStore(empty.path()).annotatedDays();
    ASSERT_EQ(imported.size(), original.size());
    for (auto was = original.begin(), is = imported.begin(); was != original.end(); ++was, ++is) {
        EXPECT_EQ(is->first, was->first);
        EXPECT_EQ(is->second.note, was->second.note);
    }
    // A calendar too large to read is neither exported as empty nor written.
    std::filesystem::resize_file(calendar(), FileStore::maximumFileSize + 1);
    EXPECT_EQ(exportNotes(m_folder.path(), sys_seconds{}).error(), ExportProblem::CalendarTooLarge);
    EXPECT_EQ(problemOf(importNotes(m_folder.path(), empty.path() / "in.ics")),
              ImportProblem::NotSaved);
}

} // namespace
