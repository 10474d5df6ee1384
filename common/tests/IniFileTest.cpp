#include "FolderLock.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class IniFileTest : public testing::Test {
protected:
    cls_IniFile iniAt(const std::string &name) const {
        return cls_IniFile((m_folder / name).string());
    }
    TemporaryFolder m_folder;
};

TEST_F(IniFileTest, MissingFileReadsEmptyAndStaysMissing) {
    const cls_IniFile ini = iniAt("Data.ini");
    EXPECT_EQ(ini.GetDataStr("Start", "Year"), "");
    EXPECT_EQ(ini.GetDataInt("EntSS", "Inf"), 0);
    EXPECT_FALSE(fs::exists(m_folder / "Data.ini"));
}

TEST_F(IniFileTest, SpecialValuesReadAsTheProfileFunctionsGiveThem) {
    writeBytes(m_folder / "Data.ini",
               "[A]\r\nerr=Error\r\nlower=error\r\nminus=-1\r\npage= 1\r\nempty=\r\n"
               "path=C:\\~x\r\n");
    const cls_IniFile ini = iniAt("Data.ini");
    EXPECT_EQ(ini.GetDataStr("A", "err"), "");
    EXPECT_EQ(ini.GetDataStr("A", "lower"), "error");
    EXPECT_EQ(ini.GetDataStr("A", "path"), "C:\\~x");
    EXPECT_EQ(ini.GetDataStr("A", "minus"), "-1");
    EXPECT_EQ(ini.GetDataInt("A", "minus"), 0);
    EXPECT_EQ(ini.GetDataInt("A", "page"), 1);
    EXPECT_EQ(ini.GetDataInt("A", "empty"), 0);
    EXPECT_EQ(ini.GetDataInt("A", "missing"), 0);
}

TEST_F(IniFileTest, IntegersReadLikeTheProfileFunctions) {
    const std::pair<const char *, std::int32_t> rows[] = {
        {"42", 42},
        {" 1", 1},
        {"-7", -7},
        {"+5", 5},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"0x1F", 31},
        {"0XfF", 255},
        {"-0x10", -16},
        {"0x", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"99999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(cls_IniFile::ofContent("[A]\nx=" + std::string(text)).GetDataInt("A", "x"),
                  expected)
            << text;
}

TEST_F(IniFileTest, WriteCreatesTheFileWithSectionAndKey) {
    cls_IniFile ini = iniAt("Data.ini");
    ASSERT_TRUE(ini.SetDataStr("EntSS", "Inf", " 0"));
    EXPECT_EQ(readBytes(m_folder / "Data.ini"), "[EntSS]\r\nInf= 0\r\n");
    ASSERT_TRUE(ini.SetDataStr("EntSS", "Inf", " 1"));
    EXPECT_EQ(readBytes(m_folder / "Data.ini"), "[EntSS]\r\nInf= 1\r\n");
    EXPECT_EQ(ini.GetDataInt("EntSS", "Inf"), 1);
}

TEST_F(IniFileTest, JapaneseIsStoredAsShiftJis) {
    cls_IniFile ini = iniAt("Calendar.ini");
    ASSERT_TRUE(ini.SetDataStr("2005/10/14(金)", "Text", "買い物#CR#散歩"));
    EXPECT_EQ(readBytes(m_folder / "Calendar.ini"),
              readBytes(std::filesystem::path(TEST_DATA_DIR) / "japanese-note.ini"));
    EXPECT_EQ(ini.GetDataStr("2005/10/14(金)", "Text"), "買い物#CR#散歩");
}

TEST_F(IniFileTest, CharactersOutsideShiftJisBecomeQuestionMarks) {
    cls_IniFile ini = iniAt("Calendar.ini");
    ASSERT_TRUE(ini.SetDataStr("A", "Text", "a😀b"));
    EXPECT_EQ(ini.GetDataStr("A", "Text"), "a?b");
}

// Windows keeps a Unicode file in UTF-16LE when it writes to it, and so does
// Wine, which takes the mark FF FE for that encoding.
TEST_F(IniFileTest, ByteOrderMarkKeepsTheFileInItsEncoding) {
    using namespace std::string_literals;
    const std::string utf16 = "\xFF\xFE[\0A\0]\0\r\0\n\0T\0=\0x\0\r\0\n\0"s;
    const struct {
        std::string before;
        std::string after;
    } rows[] = {
        {"\xEF\xBB\xBF[A]\r\nT=x\r\n", "\xEF\xBB\xBF[A]\r\nT=😀日\r\n"},
        {utf16, utf16.substr(0, 16) + "\x3D\xD8\0\xDE\xE5\x65\r\0\n\0"s},
    };
    for (const auto &row : rows) {
        writeBytes(m_folder / "Calendar.ini", row.before);
        cls_IniFile ini = iniAt("Calendar.ini");
        EXPECT_EQ(ini.GetDataStr("a", "t"), "x");
        ASSERT_TRUE(ini.SetDataStr("A", "T", "😀日"));
        EXPECT_EQ(readBytes(m_folder / "Calendar.ini"), row.after);
        EXPECT_EQ(iniAt("Calendar.ini").GetDataStr("A", "T"), "😀日");
    }
}

TEST_F(IniFileTest, InvalidShiftJisReadsAsReplacementCharacters) {
    writeBytes(m_folder / "Calendar.ini", "[A]\r\nText=a\x81\x20"
                                          "b\xFF\r\n");
    EXPECT_EQ(iniAt("Calendar.ini").GetDataStr("A", "Text"), "a\xEF\xBF\xBD b\xEF\xBF\xBD");
}

TEST_F(IniFileTest, ReadOnlyFileIsLeftAlone) {
    const fs::path path = m_folder / "Data.ini";
    writeBytes(path, "[A]\r\nx=1\r\n");
    fs::permissions(path, fs::perms::owner_read);
    cls_IniFile ini = iniAt("Data.ini");
    EXPECT_FALSE(ini.SetDataStr("A", "x", "2"));
    EXPECT_EQ(readBytes(path), "[A]\r\nx=1\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read);
}

TEST_F(IniFileTest, FolderInPlaceOfTheFileIsNeitherReadNorReplaced) {
    fs::create_directory(m_folder / "Data.ini");
    cls_IniFile ini = iniAt("Data.ini");
    EXPECT_FALSE(ini.SetDataStr("A", "x", "1"));
    EXPECT_EQ(ini.GetDataStr("A", "x"), "");
    EXPECT_TRUE(fs::is_directory(m_folder / "Data.ini"));
}

TEST_F(IniFileTest, WriteKeepsFileModeAndFollowsSymbolicLinks) {
    const fs::path real = m_folder / "real.ini";
    writeBytes(real, "[A]\r\nx=1\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, m_folder / "Data.ini");
    ASSERT_TRUE(iniAt("Data.ini").SetDataStr("A", "x", "2"));
    EXPECT_TRUE(fs::is_symlink(m_folder / "Data.ini"));
    EXPECT_EQ(readBytes(real), "[A]\r\nx=2\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniFileTest, WriteCreatesAMissingFolderAndLeavesNoTemporaryFiles) {
    cls_IniFile ini((m_folder / "config" / "dayglass" / "Data.ini").string());
    ASSERT_TRUE(ini.SetDataStr("A", "x", "1"));
    EXPECT_EQ(ini.GetDataStr("A", "x"), "1");
    writeBytes(m_folder / "config" / "dayglass" / ".Data.ini.abcdef", "left by a crash");
    ASSERT_TRUE(ini.SetDataStr("A", "x", "2"));
    // The lock file stays: removing it while another writer waits for it
    // would let a third take a new one.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder / "config" / "dayglass"),
                            fs::directory_iterator()),
              2);
    EXPECT_TRUE(fs::exists(m_folder / "config" / "dayglass" / folderLockName));
}

// The file beside a program that the user may not write is read while the
// user has none; the first write starts from it, with every section, key and
// comment, and then the user's own is read. A link in the original's place is
// not followed; an original too large to read is not written over either.
TEST_F(IniFileTest, AnOriginalIsReadUntilTheFirstWriteStartsFromIt) {
    const fs::path original = m_folder / "original.ini";
    const std::string content = "; kept\r\n[A]\r\nx=1\r\n[B]\r\ny=2\r\n";
    writeBytes(original, content);
    const auto accessor = [&](const fs::path &originalPath, std::uintmax_t sizeLimit) {
        cls_IniFile ini((m_folder / "config" / "Data.ini").string(), sizeLimit);
        ini.SetOriginal(originalPath.string());
        return ini;
    };
    cls_IniFile ini = accessor(original, FileStore::maximumFileSize);
    EXPECT_EQ(ini.GetDataStr("B", "y"), "2");
    ASSERT_TRUE(ini.SetDataStr("A", "x", "3"));
    EXPECT_EQ(readBytes(m_folder / "config" / "Data.ini"),
              "; kept\r\n[A]\r\nx=3\r\n[B]\r\ny=2\r\n");
    writeBytes(original, "[B]\r\ny=4\r\n");
    EXPECT_EQ(accessor(original, FileStore::maximumFileSize).GetDataStr("B", "y"), "2");
    EXPECT_EQ(readBytes(original), "[B]\r\ny=4\r\n");

    fs::remove_all(m_folder / "config");
    fs::create_symlink(original, m_folder / "link.ini");
    EXPECT_EQ(accessor(m_folder / "link.ini", FileStore::maximumFileSize).GetDataStr("B", "y"), "");
    cls_IniFile small = accessor(original, 4);
    EXPECT_TRUE(small.IsTooLarge());
    EXPECT_EQ(small.SetDataStr("A", "x", "5"),
              WriteResult(Failure{WriteError{WriteProblem::Oversized, original}}));
    EXPECT_FALSE(fs::exists(m_folder / "config" / "Data.ini"));
}

// Names in the file are read without the blanks around them, so the names
// that callers give are taken the same way, for reading and for writing.
TEST_F(IniFileTest, NamesAreTakenWithoutSurroundingBlanks) {
    writeBytes(m_folder / "Data.ini", "[ A ]\r\n  x\t= 1\r\n");
    cls_IniFile ini = iniAt("Data.ini");
    for (const char *section : {"A", " A ", "\tA", "A  "}) {
        EXPECT_EQ(ini.GetDataStr(section, " x "), "1") << section;
        EXPECT_EQ(ini.GetDataInt(section, "x\t"), 1) << section;
    }
    ASSERT_TRUE(ini.SetDataStr(" A", "x ", "2"));
    ASSERT_TRUE(ini.SetDataStr(" B ", " y ", "3"));
    EXPECT_EQ(readBytes(m_folder / "Data.ini"), "[ A ]\r\n  x\t=2\r\n[B]\r\ny=3\r\n");
}

// Only the length tells that a read cut a long value.
TEST_F(IniFileTest, StoredLengthCountsTheWholeValue) {
    const std::pair<std::string, std::size_t> rows[] = {
        {"", 0},
        {" short ", 5},
        {std::string(999, 'x'), 999},
        {std::string(1000, 'x'), 1000},
        {std::string(500, '\x82') + "\xA0", 501}, // Shift-JIS bytes, counted as stored
    };
    for (const auto &[value, length] : rows) {
        writeBytes(m_folder / "Calendar.ini", "[A]\r\nText=" + value + "\r\n");
        EXPECT_EQ(iniAt("Calendar.ini").GetDataLength(" A ", "Text"), length) << value.size();
    }
    EXPECT_EQ(iniAt("Calendar.ini").GetDataLength("A", "Missing"), 0u);
    EXPECT_EQ(iniAt("Missing.ini").GetDataLength("A", "Text"), 0u);
}

// A month's redraw indexes its days alone; whatever else is read is found all
// the same.
TEST_F(IniFileTest, ExpectedSectionsLeaveEveryOtherReadable) {
    cls_IniFile ini = cls_IniFile::ofContent("[A]\r\nx=1\r\n[\x93\xFA]\r\nx=2\r\n[b]\r\nx=3\r\n");
    ini.ExpectSections({"日", "C"});
    EXPECT_EQ(ini.GetDataStr("日", "x"), "2");
    EXPECT_FALSE(ini.HasSection("C"));
    EXPECT_EQ(ini.GetDataStr("B", "x"), "3");
    EXPECT_TRUE(ini.HasSection("a"));
    EXPECT_EQ(ini.GetDataStr("日", "x"), "2");
}

// The launcher reads Autorun.inf from the bytes it read at its start: which
// sections it has, and the keys whose names begin with a prefix.
TEST_F(IniFileTest, ContentReadOnceAnswersForSectionsAndKeys) {
    const cls_IniFile ini = cls_IniFile::ofContent("[ MainForm ]\r\nshell\\a=Error\r\nx=1\r\n"
                                                   "SHELL\\b=\x93\xFA\r\nshell\\c=3\r\n[B]\r\n");
    EXPECT_TRUE(ini.HasSection("mainform "));
    EXPECT_TRUE(ini.HasSection("B"));
    EXPECT_FALSE(ini.HasSection("Main"));
    EXPECT_FALSE(iniAt("Missing.ini").HasSection("A"));
    std::vector<std::pair<std::string, std::string>> keys;
    ini.ForEachKeyStartingWith("MainForm", "shell\\",
                               [&keys](const std::string &name, const std::string &value) {
                                   keys.emplace_back(name, value);
                                   return keys.size() < 2;
                               });
    const std::vector<std::pair<std::string, std::string>> expected = {{"shell\\a", ""},
                                                                       {"SHELL\\b", "日"}};
    EXPECT_EQ(keys, expected);
}

} // namespace
