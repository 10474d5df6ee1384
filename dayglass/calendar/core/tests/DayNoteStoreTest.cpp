#include "DayNoteStore.h"

#include "DaySaving.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

// The bytes a test expects of a whole file, kept beside the tests.
std::string expectedBytes(const char *name) {
    return readBytes(std::filesystem::path(TEST_DATA_DIR) / name);
}

// 2005/10/14(金) in CP932, for files a test writes itself.
const std::string fridaySection = "[2005/10/14\x28\x8B\xE0\x29]";
const year_month_day friday = 2005y / October / 14;

class DayNoteStoreTest : public testing::Test {
protected:
    std::filesystem::path file() const { return m_folder / calendarFileName; }
    StoredDay readFriday() const { return DayNoteStore(m_folder.path()).day(friday); }
    TemporaryFolder m_folder;
};

TEST_F(DayNoteStoreTest, SavedDaysAreWrittenInShiftJisAndReadBack) {
    ASSERT_TRUE(saveEditorText(m_folder.path(), friday, "今日は\r\n\r\n晴れ", 16711680));
    EXPECT_EQ(readBytes(file()), expectedBytes("saved-day.ini"));
    EXPECT_EQ(readFriday(), (StoredDay{"今日は#CR#晴れ", 16711680}));
    // A calendar that Windows wrote in UTF-16LE stays in UTF-16LE.
    writeBytes(file(), "\xFF\xFE");
    ASSERT_TRUE(saveEditorText(m_folder.path(), friday, "晴れ😀", 255));
    EXPECT_TRUE(readBytes(file()).starts_with(std::string("\xFF\xFE[\0", 4)));
    EXPECT_EQ(readFriday(), (StoredDay{"晴れ😀", 255}));
}

// The editor's save writes only over the day it opened with, and a refused
// save writes nothing, not even an empty file.
TEST_F(DayNoteStoreTest, TheEditorsSaveRefusesWithoutWriting) {
    const auto refusal = [this](const std::string &text, std::optional<StoredDay> opened) {
        return saveDay(m_folder.path(), friday, {text, 255}, opened);
    };
    const auto emoji = refusal("😀", StoredDay{});
    const auto *note = emoji ? nullptr : std::get_if<NoteRefusal>(&emoji.error());
    ASSERT_TRUE(note);
    EXPECT_EQ(note->problem, NoteProblem::NotInShiftJis);
    EXPECT_FALSE(std::filesystem::exists(file()));

    EXPECT_TRUE(refusal("mine", StoredDay{}));
    ASSERT_TRUE(saveEditorText(m_folder.path(), friday, "theirs", 65535));
    const auto changed = refusal("mine again", StoredDay{"mine", 255});
    ASSERT_TRUE(!changed && std::holds_alternative<DayChangedMeanwhile>(changed.error()));
    EXPECT_EQ(std::get<DayChangedMeanwhile>(changed.error()).now, (StoredDay{"theirs", 65535}));
    EXPECT_EQ(readFriday(), (StoredDay{"theirs", 65535}));
    EXPECT_TRUE(refusal("mine again", std::nullopt));
    EXPECT_EQ(readFriday(), (StoredDay{"mine again", 255}));
    EXPECT_TRUE(std::holds_alternative<WriteError>(
        saveDay(std::filesystem::path("relative"), friday, {"x", 0}, std::nullopt).error()));
}

TEST_F(DayNoteStoreTest, ClearedDaysKeepEmptyKeysAndReadLikeUntouchedDays) {
    ASSERT_TRUE(saveEditorText(m_folder.path(), friday, "note", 65535));
    ASSERT_TRUE(clearDay(m_folder.path(), friday));
    EXPECT_EQ(readBytes(file()), expectedBytes("cleared-day.ini"));
    EXPECT_EQ(readFriday(), StoredDay{});
    EXPECT_EQ(DayNoteStore(m_folder.path()).day(2005y / October / 15), StoredDay{});
}

TEST_F(DayNoteStoreTest, DeletingRemovesTheWholeFile) {
    EXPECT_FALSE(holdsCalendar(m_folder.path()));
    ASSERT_TRUE(saveEditorText(m_folder.path(), friday, "note", 255));
    ASSERT_TRUE(saveEditorText(m_folder.path(), 2006y / January / 1, "another", 65280));
    EXPECT_TRUE(holdsCalendar(m_folder.path()));
    EXPECT_TRUE(deleteCalendar(m_folder.path()));
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_EQ(readFriday(), StoredDay{});
    EXPECT_FALSE(holdsCalendar(m_folder.path()));
}

// The notes beside a program that the user may not write are read until the
// user saves; the first save keeps them in the user's file, and a reset leaves
// the user an empty file, so that they do not come back.
TEST_F(DayNoteStoreTest, TheOriginalNotesAreKeptUntilTheReset) {
    TemporaryFolder originals;
    writeBytes(originals / calendarFileName, fridaySection + "\r\nText=rain\r\n");
    const DataFolder folder(m_folder / "user", originals.path());
    EXPECT_TRUE(holdsCalendar(folder));
    ASSERT_TRUE(saveEditorText(folder, 2006y / January / 1, "another", 255));
    EXPECT_EQ(DayNoteStore(m_folder / "user").day(friday).note, "rain");
    for (const DataFolder &reset : {folder, DataFolder(m_folder / "fresh", originals.path())}) {
        EXPECT_TRUE(deleteCalendar(reset));
        EXPECT_EQ(readBytes(reset.path / calendarFileName), "");
        EXPECT_EQ(DayNoteStore(reset).day(friday), StoredDay{});
    }
}

// A folder is no calendar: the reset leaves it, empty or not.
TEST_F(DayNoteStoreTest, AFolderNamedLikeTheCalendarIsLeftAlone) {
    std::filesystem::create_directories(file());
    EXPECT_FALSE(holdsCalendar(m_folder.path()));
    std::filesystem::create_directories(file() / "inside");
    EXPECT_TRUE(deleteCalendar(m_folder.path()));
    EXPECT_TRUE(std::filesystem::exists(file() / "inside"));
}

// Another program may store a longer note than a read returns; saving the
// beginning over it would lose the rest, so the window must know.
TEST_F(DayNoteStoreTest, NotesLongerThanAReadAreMarkedAsCut) {
    const std::pair<std::size_t, bool> rows[] = {{0, false}, {999, false}, {1000, true}};
    for (const auto &[length, cut] : rows) {
        writeBytes(file(), fridaySection + "\r\nText=" + std::string(length, 'n') + "\r\n");
        const StoredDay day = readFriday();
        EXPECT_EQ(day.noteCut, cut) << length;
        EXPECT_EQ(day.note, std::string(std::min<std::size_t>(length, 999), 'n'));
    }
}

// Without a data folder nothing is read from or written to the current
// folder.
TEST_F(DayNoteStoreTest, WithoutAFolderNothingIsReadOrWritten) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.path());
    writeBytes(file(), fridaySection + "\r\nText=here\r\n");
    for (const std::filesystem::path folder : {"", "."}) {
        EXPECT_EQ(DayNoteStore(folder).day(friday), StoredDay{});
        const auto result = saveEditorText(folder, friday, "note", 255);
        const auto *error = result ? nullptr : std::get_if<WriteError>(&result.error());
        EXPECT_TRUE(error && error->problem == WriteProblem::NoFolder);
        EXPECT_FALSE(holdsCalendar(folder));
        EXPECT_TRUE(deleteCalendar(folder));
    }
    EXPECT_EQ(readBytes(file()), fridaySection + "\r\nText=here\r\n");
    std::filesystem::current_path(previous);
}

} // namespace
