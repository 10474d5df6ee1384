#include "NoteStorage.h"

#include "HostileInput.h"

#include <gtest/gtest.h>

namespace {

TEST(NoteStorageTest, RefusesNotesThatWouldNotReadBackAsWritten) {
    using enum TextEncoding;
    struct Row {
        const char *name;
        std::string text;
        TextEncoding encoding;
        std::optional<NoteRefusal> refusal;
    };
    const Row rows[] = {
        {"Japanese", "今日は晴れ#CR#明日は雨", Cp932, std::nullopt},
        {"lookalikes that CP932 keeps", "〜～−¥①㈱?", Cp932, std::nullopt},
        {"emoji", "晴れ😀", Cp932, NoteRefusal{NoteProblem::NotInShiftJis, 0, "😀"}},
        {"Korean, each character once", "안녕?안", Cp932,
         NoteRefusal{NoteProblem::NotInShiftJis, 0, "안녕"}},
        {"emoji in a UTF-8 file", "晴れ😀", Utf8, std::nullopt},
        {"1000 bytes", std::string(1000, 'a'), Cp932, NoteRefusal{NoteProblem::TooLong, 1000, {}}},
        {"500 kanji", repeated("日", 500), Cp932, NoteRefusal{NoteProblem::TooLong, 1000, {}}},
        {"333 kanji in UTF-8", repeated("日", 333), Utf8, std::nullopt},
        {"334 kanji in UTF-8", repeated("日", 334), Utf8,
         NoteRefusal{NoteProblem::TooLong, 1002, {}}},
        {"a line break past the limit", std::string(996, 'a') + "#CR#", Cp932,
         NoteRefusal{NoteProblem::TooLong, 1000, {}}},
        {"characters before length", std::string(2000, 'a') + "😀", Cp932,
         NoteRefusal{NoteProblem::NotInShiftJis, 0, "😀"}},
    };
    for (const Row &row : rows) {
        const Result<void, NoteRefusal> checked = checkNoteStorable(row.text, row.encoding);
        EXPECT_EQ(checked ? std::nullopt : std::optional(checked.error()), row.refusal) << row.name;
    }
}

} // namespace
