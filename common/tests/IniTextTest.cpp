#include "IniText.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase {
    const char *name;
    std::string content;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

const std::string jis(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// The bytes of a Unicode INI file as Windows writes it: UTF-16LE after the
// mark FF FE.
std::string utf16le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(IniTextTest, FindsValuesAsTheProfileFunctionsDo) {
    const ReadCase rows[] = {
        {"plain", "[Start]\r\nYear=2006\r\n", "Start", "Year", "2006"},
        {"lf_only", "[Start]\nYear=2006\n", "Start", "Year", "2006"},
        {"no_final_newline", "[Start]\nYear=2006", "Start", "Year", "2006"},
        {"section_case", "[start]\nYEAR=7\n", "START", "year", "7"},
        {"missing_section", "[Start]\nYear=7\n", "End", "Year", std::nullopt},
        {"missing_key", "[Start]\nYear=7\n", "Start", "Month", std::nullopt},
        {"key_of_next_section", "[A]\nx=1\n[B]\ny=2\n", "A", "y", std::nullopt},
        {"first_section_wins", "[A]\nx=1\n[A]\nx=2\ny=3\n", "A", "y", std::nullopt},
        {"first_section_value", "[A]\nx=1\n[a]\nx=2\n", "A", "x", "1"},
        {"first_key_wins", "[A]\nx=1\nX=2\n", "A", "x", "1"},
        {"blanks_around", "  [ A ]  \n\t x \t=  a b \t\n", "A", "x", "a b"},
        {"blank_page_number", "[EntSS]\nInf= 1\n", "EntSS", "Inf", "1"},
        {"double_quotes", "[A]\nx=\" padded \"\n", "A", "x", " padded "},
        {"single_quotes", "[A]\nx='q'\n", "A", "x", "q"},
        {"mixed_quotes_stay", "[A]\nx=\"q'\n", "A", "x", "\"q'"},
        {"lone_quote_stays", "[A]\nx=\"\n", "A", "x", "\""},
        {"empty_value", "[A]\nx=\n", "A", "x", ""},
        {"comment", "[A]\n;x=1\nx=2\n", "A", "x", "2"},
        {"indented_comment", "[A]\n  ;x=1\n", "A", "x", std::nullopt},
        {"line_without_equals", "[A]\nx\n", "A", "x", std::nullopt},
        {"equals_in_value", "[A]\nx=a=b\n", "A", "x", "a=b"},
        {"key_before_any_section", "x=1\n[A]\n", "A", "x", std::nullopt},
        {"unclosed_section", "[A\nx=1\n", "A", "x", "1"},
        {"nul_cuts_value", std::string("[A]\nx=ab\0cd\n", 12), "A", "x", "ab"},
        {"bom_file", "\xEF\xBB\xBF[A]\nx=\xE6\x97\xA5\n", "A", "x", "\xE6\x97\xA5"},
        // 0x8341 is the katakana "a" in CP932: its second byte is an ASCII 'A'
        // and must not match a lower-case 'a'.
        {"dbcs_trail_not_folded", "[\x83\x41]\nx=1\n", "\x83\x61", "x", std::nullopt},
        {"cr_only_lines", "[A]\rx=1\ry=2\r", "A", "y", "2"},
        {"cr_inside_lf_line", "[A]\nx=a\rb\n", "A", "x", "a\rb"},
        {"cr_after_last_lf", "[A]\nx=1\ry=2", "A", "y", "2"},
        {"dbcs_name", "[\x83\x41]\nx=1\n", "\x83\x41", "x", "1"},
        {"dbcs_beside_its_folded_twin", "[\x83\x61]\nx=1\n[\x83\x41]\nx=2\n", "\x83\x41", "x", "2"},
        {"case_folded_before_dbcs", "[Z]\n[b\x83\x41]\nx=1\n[a]\n", "B\x83\x41", "x", "1"},
        {"first_of_many_unsorted", "[c]\n[B]\n[a]\nx=1\n[A]\nx=2\n[b]\n", "A", "x", "1"},
        // 0x835D has "]" as its second byte.
        {"dbcs_bracket_byte", jis({'[', 0x83, 0x5D, ']', '\n', 'x', '=', '1', '\n'}),
         jis({0x83, 0x5D}), "x", "1"},
        // Wine's profile functions take a file that begins with FF FE as
        // UTF-16LE, skip the mark and read names and values in it.
        {"utf16le_as_wine_reads_it",
         utf16le(u"[AutoRun]\r\nLabel= \u30C9\u30E9\u30A4\u30D0 CD\r\n"), "autorun", "LABEL",
         "ドライバ CD"},
        {"utf16be_as_utf16le", utf16WithUnitsSwapped(utf16le(u"[A]\nx=\U0001F600\n")), "A", "x",
         "😀"},
        {"utf16le_surrogate_pair", utf16le(u"[A]\nx=\U0001F600\n"), "A", "x", "😀"},
        {"utf16le_lf_in_a_character", utf16le(u"[A]\nx=\u0A0A\n"), "A", "x", "\u0A0A"},
        {"utf16_without_mark_is_no_text",
         std::string("[\0A\0]\0\n\0x\0=\0"
                     "1\0",
                     14),
         "A", "x", std::nullopt},
    };
    for (const ReadCase &row : rows) {
        const std::string content = IniText::readableContent(row.content);
        EXPECT_EQ(IniText::Index(content).findValue(row.section, row.key), row.expected)
            << row.name;
        EXPECT_EQ(IniText::Index(content, {row.section}).findValue(row.section, row.key),
                  row.expected)
            << row.name << ", indexing that section alone";
    }
}

TEST(IniTextTest, CutsLongValuesWithoutSplittingACharacter) {
    const std::string ascii(1200, 'a');
    EXPECT_EQ(IniText::Index("[A]\nx=" + ascii + "\n").findValue("A", "x")->size(), 999u);

    std::string kanji;
    for (int i = 0; i < 600; ++i)
        kanji += "\x93\xFA"; // 日
    const std::string value = *IniText::Index("[A]\nx=a" + kanji + "\n").findValue("A", "x");
    EXPECT_EQ(value.size(), 999u);
    EXPECT_EQ(value.substr(997), "\x93\xFA");
    EXPECT_EQ(IniText::Index("[A]\nx=" + kanji + "\n").findValue("A", "x")->size(), 998u);
}

struct WriteCase {
    const char *name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

TEST(IniTextTest, WritesChangeOnlyTheKey) {
    const WriteCase rows[] = {
        {"new_file", "", "EntSS", "Inf", " 0", "[EntSS]\r\nInf= 0\r\n"},
        {"replace_in_place", "; c\n[A]\nx=1\ny=2\n", "a", "X", "9", "; c\n[A]\nx=9\ny=2\n"},
        {"replace_keeps_crlf", "[A]\r\nx = old \r\n", "A", "x", "new", "[A]\r\nx =new\r\n"},
        {"add_after_last_key", "[A]\nx=1\n\n; note\n[B]\ny=2\n", "A", "z", "3",
         "[A]\nx=1\nz=3\r\n\n; note\n[B]\ny=2\n"},
        {"add_to_empty_section", "[A]\n[B]\n", "A", "z", "3", "[A]\nz=3\r\n[B]\n"},
        {"add_at_end_without_newline", "[A]\nx=1", "A", "z", "3", "[A]\nx=1\r\nz=3\r\n"},
        {"new_section_at_end", "[A]\nx=1\n", "B", "y", "2", "[A]\nx=1\n[B]\r\ny=2\r\n"},
        {"new_section_after_unterminated", "[A]\nx=1", "B", "y", "2", "[A]\nx=1\r\n[B]\r\ny=2\r\n"},
        {"first_of_two_sections", "[A]\nx=1\n[A]\nx=2\n", "A", "x", "3", "[A]\nx=3\n[A]\nx=2\n"},
        {"line_breaks_become_blanks", "", "A", "x", "a\r\nb", "[A]\r\nx=a  b\r\n"},
        {"cr_only_file_keeps_cr", "[A]\rx=1\r", "A", "y", "2", "[A]\rx=1\ry=2\r"},
        {"cr_only_new_section", "[A]\rx=1", "B", "y", "2", "[A]\rx=1\r[B]\ry=2\r"},
        {"lone_cr_completed", "[A]\r\nx=1\r", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
        {"bom_kept", "\xEF\xBB\xBF", "A", "x", "1", "\xEF\xBB\xBF[A]\r\nx=1\r\n"},
        // Wine writes a UTF-16LE file back in UTF-16LE with its mark.
        {"utf16le_kept", utf16le(u"[A]\r\nx=1\r\n"), "A", "y", "日",
         utf16le(u"[A]\r\nx=1\r\ny=\u65E5\r\n")},
        {"utf16le_lone_surrogate_and_odd_byte_kept", utf16le(u";\xDC00\xD800\n[A]\nx=1\n") + "!",
         "A", "x", "😀", utf16le(u";\xDC00\xD800\n[A]\nx=\xD83D\xDE00\n") + "!"},
        {"utf16be_kept", utf16WithUnitsSwapped(utf16le(u"[A]\r\nx=1\r\n")) + "!", "A", "y", "日",
         utf16WithUnitsSwapped(utf16le(u"[A]\r\nx=1\r\ny=\u65E5\r\n")) + "!"},
    };
    for (const WriteCase &row : rows) {
        const auto one = [&row](std::string_view content) {
            return IniText::withValue(content, row.section, row.key, row.value);
        };
        const auto many = [&row](std::string_view content) {
            return IniText::withValues(content, {{row.section, row.key, row.value}});
        };
        EXPECT_EQ(IniText::editedContent(row.before, one), row.after) << row.name;
        EXPECT_EQ(IniText::editedContent(row.before, many), row.after) << row.name;
    }
}

// Many keys and sections at once give what one write after another gives.
TEST(IniTextTest, ManyValuesAreWrittenAsOneAfterAnother) {
    const std::vector<IniText::Entry> entries = {
        {"B", "x", "b"}, {"new", "x", "n"},   {"a", "x", "A"}, {"C", "x", "c"},
        {"B", "y", "2"}, {"later", "x", "l"}, {"D", "x", "d"}, {"new", "z", "3"}};
    for (const std::string before :
         {"", "[A]\nx=1\n[B]\n; c\ny=2\n\n[C]\r\nx=3\r\n[a]\nx=4\n[D]\nx=5", "[A]\rx=1\r[D]",
          "\xEF\xBB\xBF[C]\r\nx=1\r", "[B]\ny=1\nx=2\nx=3\n"}) {
        std::string oneByOne = before;
        for (const auto &[section, key, value] : entries)
            oneByOne = IniText::withValue(oneByOne, section, key, value);
        EXPECT_EQ(IniText::withValues(before, entries), oneByOne) << before;
    }
}

TEST(IniTextTest, WrittenValuesReadBack) {
    std::string content;
    for (const char *key : {"Year", "Month", "Day"})
        content = IniText::withValue(content, "Start", key, std::string(key) + "!");
    content = IniText::withValue(content, "End", "Year", "2007");
    content = IniText::withValue(content, "Start", "Month", "3");
    EXPECT_EQ(content, "[Start]\r\nYear=Year!\r\nMonth=3\r\nDay=Day!\r\n[End]\r\nYear=2007\r\n");
    EXPECT_EQ(IniText::Index(content).findValue("start", "day"), "Day!");
}

// A file chooses its section names, and names chosen to collide in a hash
// would make every lookup scan them all. The index's work must not depend on
// the names: a sort to build it, a binary search per lookup.
// That the work does not depend on the names is measured by the Index rows of
// bench/FileBenchmark.cpp.
TEST(IniTextTest, IndexWorkDoesNotDependOnTheNames) {
    constexpr std::size_t sections = 1 << 16;
    const std::pair<const char *, std::string (*)(std::size_t)> rows[] = {
        {"short", [](std::size_t i) { return std::to_string(i); }},
        {"long shared prefix",
         [](std::size_t i) { return std::string(64, 'q') + std::to_string(i); }},
        {"descending", [](std::size_t i) { return std::to_string(sections - i + 100000); }},
        {"kanji", [](std::size_t i) { return "\x93\xFA" + std::to_string(i) + "\x83\x41"; }},
    };
    for (const auto &[kind, name] : rows) {
        std::string content;
        for (std::size_t i = 0; i < sections; ++i)
            content += "[" + name(i) + "]\r\nx=" + std::to_string(i) + "\r\n";
        const IniText::Index index(content);
        for (std::size_t i = 0; i < sections; i += 97)
            ASSERT_EQ(index.findValue(name(i), "x"), std::to_string(i)) << kind;
    }
}

} // namespace
