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

// A Calendar.ini as the program keeps it, in CP932, or in UTF-8 after its mark.
DayNoteStore calendarHolding(const std::string &utf8) {
    return DayNoteStore::ofContent(
        utf8.starts_with("\xEF\xBB\xBF") ? utf8 : encodeText(utf8, TextEncoding::Cp932));
}

TEST(NoteImportTest, TextsJoinTheNotesOfTheirDays) {
    const NoteAdditions additions{{"祝日", "第二#CR#二行"}, {{friday, {0, 1}}, {saturday, {0}}}};
    const NoteChanges::value_type bothToFriday{friday, "祝日#CR#第二#CR#二行"};
    const NoteChanges::value_type toSaturday{saturday, "祝日"};
    const std::string a600(600, 'a'), b600(600, 'b'), c300(300, 'c');
    using enum UnstorableChoice;
    struct Row {
        std::string file;
        NoteAdditions additions;
        NoteChanges changes;
        std::vector<TextLeftOut> leftOut{};
        UnstorableChoice choice = Refuse;
    };
    std::vector<Row> rows = {
        // Days without notes get the texts, one line after another.
        {"", additions, {bothToFriday, toSaturday}},
        // A note keeps its lines, and texts it holds already are not added again.
        {fridaySection + "Text=メモ#CR#祝日#CR#第二#CR#二行\r\nCollar=255\r\n",
         additions,
         {toSaturday}},
        {fridaySection + "Text=メモ\r\n",
         additions,
         {{friday, "メモ#CR#祝日#CR#第二#CR#二行"}, toSaturday}},
        // A note that would no longer read back whole takes no more.
        {"[2005/10/15(土)]\r\nText=" + std::string(995, 'y') + "\r\n",
         additions,
         {bothToFriday},
         {{"祝日", {saturday}}}},
        // A day takes the texts that fit whole, in their order.
        {"",
         {{a600, b600, c300}, {{friday, {0, 1, 2}}, {saturday, {1}}}},
         {{friday, a600 + "#CR#" + c300}, {saturday, b600}},
         {{b600, {friday}}}},
        // Characters that Shift-JIS lacks, as the user chose: replaced by a
        // mark, or kept by a file in UTF-8.
        {"", {{"Café 한국"}, {{friday, {0}}}}, {{friday, "Caf〓 〓〓"}}, {}, ReplaceWithMark},
        {"\xEF\xBB\xBF",
         {{"Café 한국"}, {{friday, {0}}}},
         {{friday, "Café 한국"}},
         {},
         ReplaceWithMark},
    };
    // A long text every day for ten years is measured once, and fits on none.
    Row daily{"", {{std::string(100'000, 'z')}, {}}, {}, {{std::string(100'000, 'z'), {}}}};
    for (sys_days day = sys_days{friday}; day < sys_days{friday} + days{3653}; day += days{1}) {
        daily.additions.days[year_month_day{day}] = {0};
        daily.leftOut[0].days.push_back(year_month_day{day});
    }
    rows.push_back(std::move(daily));
    // The file keeps these as characters that look alike; a note that holds
    // them holds the text.
    for (const char *lookAlike : {"〜", "−", "‖", "¢", "£", "¬", "—"}) {
        const std::string text = std::string("10:00") + lookAlike + "12:00";
        rows.push_back({fridaySection + "Text=" + text + "\r\n", {{text}, {{friday, {0}}}}, {}});
    }
    for (const Row &row : rows) {
        const auto plan = planImport(calendarHolding(row.file), row.additions, row.choice);
        ASSERT_TRUE(plan) << row.file;
        EXPECT_EQ(plan->changes, row.changes) << row.file;
        EXPECT_EQ(plan->leftOut, row.leftOut) << row.file;
    }
}

TEST(NoteImportTest, CharactersBeyondShiftJisStopTheWholeImportInACp932File) {
    const NoteAdditions additions{
        {"ok", "한국 😀", "é"}, {{saturday, {0, 1}}, {friday, {0, 2}}, {2005y / October / 16, {1}}}};
    const auto plan = planImport(DayNoteStore::ofContent(""), additions, UnstorableChoice::Refuse);
    ASSERT_FALSE(plan);
    EXPECT_EQ(plan.error(), (std::vector<UnstorableCharacters>{
                                {"é", {friday}}, {"한국😀", {saturday, 2005y / October / 16}}}));
    // A file in UTF-8 keeps them.
    EXPECT_EQ(
        planImport(DayNoteStore::ofContent("\xEF\xBB\xBF"), additions, UnstorableChoice::Refuse)
            ->changes.size(),
        3u);
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
        // Stopped from outside once the file is read, as a cancel in the
        // window does, with the choice made for characters Shift-JIS lacks.
        std::optional<UnstorableChoice> stoppedWith{};
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
         ImportProblem::Cancelled, UnstorableChoice::Refuse},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20051015\r\nSUMMARY:"
         "\xE2\x82\xA9"
         "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
         ImportProblem::Cancelled, UnstorableChoice::StoreInUtf8},
    };
    for (const auto &row : refused) {
        writeBytes(ics(), row.ics);
        std::stop_source stop;
        stop.request_stop();
        const auto additions = readICalendarFile(ics());
        const ImportOutcome outcome =
            !row.stoppedWith ? importNotes(m_folder.path(), ics())
            : additions ? addNotes(m_folder.path(), *additions, *row.stoppedWith, stop.get_token())
                        : ImportOutcome(Failure{additions.error()});
        EXPECT_EQ(problemOf(outcome), row.problem) << row.ics;
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

// Whatever the user chose for characters that Shift-JIS lacks, the same file
// imported again changes nothing: not the texts that look alike in the file,
// nor those that did not fit.
TEST_F(NoteTransferTest, ASecondImportChangesNothing) {
    writeBytes(ics(), "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20051014\r\n"
                      "SUMMARY:Café 10:00〜12:00 — ¢\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:b\r\n"
                      "DTSTART;VALUE=DATE:20051014\r\nSUMMARY:" +
                          std::string(990, 'x') + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    for (const UnstorableChoice choice :
         {UnstorableChoice::ReplaceWithMark, UnstorableChoice::StoreInUtf8}) {
        writeBytes(calendar(), encodeText(fridaySection + "Text=メモ\r\n", TextEncoding::Cp932));
        const ImportOutcome first = importNotes(m_folder.path(), ics(), choice);
        ASSERT_TRUE(first);
        EXPECT_EQ(first->leftOut.size(), 1u);
        const std::string once = readBytes(calendar());
        EXPECT_EQ(importNotes(m_folder.path(), ics(), choice)->changedDays, 0u);
        EXPECT_EQ(readBytes(calendar()), once);
    }
    // The calendar in UTF-8 keeps its note and every character.
    EXPECT_TRUE(readBytes(calendar()).starts_with("\xEF\xBB\xBF["));
    EXPECT_EQ(DayNoteStore(m_folder.path()).day(friday).note, "メモ#CR#Café 10:00〜12:00 — ¢");
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
