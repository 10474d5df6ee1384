#include "AutostartEntry.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

// Quoted where the desktop entry's rules reserve a character, with its own
// escapes inside the quotes, then as a string value; no entry for a name
// that is no UTF-8 text or holds a control character.
TEST(AutostartEntryTest, ExecQuotesAndEscapesTheProgram) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"dayglass", "dayglass --in-tray"},
        {"/opt/dg/dayglass", "/opt/dg/dayglass --in-tray"},
        {"/home/u/My Tools/dayglass", "\"/home/u/My Tools/dayglass\" --in-tray"},
        {R"(/tmp/a$b\c"d`e/dayglass)", R"("/tmp/a\\$b\\\\c\\"d\\`e/dayglass" --in-tray)"},
        {"/tmp/100%/dayglass", "/tmp/100%%/dayglass --in-tray"},
        {"/tmp/\xE6\x97\xA5\xE6\x9C\xAC/dayglass",
         "/tmp/\xE6\x97\xA5\xE6\x9C\xAC/dayglass --in-tray"},
    };
    for (const auto &[program, exec] : rows) {
        const auto made = autostartExec(program);
        ASSERT_TRUE(made) << program;
        EXPECT_EQ(*made, exec);
    }
    for (std::string_view program : {"/tmp/\xFF/dayglass", "/tmp/\xC0\xAF/dayglass",
                                     "/tmp/\x01/dayglass", "/tmp/\xE6\x97/dayglass"})
        EXPECT_EQ(autostartExec(program).error(), std::errc::illegal_byte_sequence) << program;
}

class AutostartEntryFiles : public testing::Test {
protected:
    TemporaryFolder m_folder;
};

// An installed copy by its name, only where the session finds this very file
// by that name first; any other copy by its absolute path.
TEST_F(AutostartEntryFiles, ProgramIsNamedAsTheSessionFindsIt) {
    const std::filesystem::path bin = m_folder / "bin", other = m_folder / "other";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(other);
    std::ofstream(bin / "dayglass") << "x";
    std::ofstream(other / "dayglass") << "y";
    const std::array<std::filesystem::path, 2> folders = {m_folder / "missing", bin};
    EXPECT_EQ(autostartProgram(bin / "dayglass", folders), "dayglass");
    EXPECT_EQ(autostartProgram(other / "dayglass", folders), (other / "dayglass").string());
    EXPECT_EQ(autostartProgram(other / "dayglass", std::array{other, bin}), "dayglass");
    EXPECT_EQ(autostartProgram(bin / "dayglass", std::array{other, bin}),
              (bin / "dayglass").string());
}

// The entry is written with its folder, counts for this copy alone, not once
// another program hides it, and is gone once removed.
TEST_F(AutostartEntryFiles, EntryStartsThisCopyUntilRemoved) {
    const std::filesystem::path entry = autostartEntryPath(m_folder.path());
    EXPECT_EQ(entry, m_folder / "autostart/org.dayglass.dayglass.desktop");
    EXPECT_FALSE(autostartEntryStarts(entry, "/opt/My Tools/dayglass"));
    ASSERT_TRUE(writeAutostartEntry(entry, "/opt/My Tools/dayglass"));
    EXPECT_TRUE(autostartEntryStarts(entry, "/opt/My Tools/dayglass"));
    EXPECT_FALSE(autostartEntryStarts(entry, "dayglass"));
    EXPECT_NE(readBytes(entry).find("\nExec=\"/opt/My Tools/dayglass\" --in-tray\n"),
              std::string::npos);

    std::ofstream(entry, std::ios::app) << "[Desktop Action x]\nExec=dayglass --in-tray\n";
    EXPECT_TRUE(autostartEntryStarts(entry, "/opt/My Tools/dayglass"));
    std::ofstream(entry, std::ios::app) << "[Desktop Entry]\nHidden=true\n";
    EXPECT_FALSE(autostartEntryStarts(entry, "/opt/My Tools/dayglass"));

    EXPECT_EQ(writeAutostartEntry(entry, "/tmp/\xFF").error().problem, WriteProblem::Other);
    ASSERT_TRUE(removeAutostartEntry(entry));
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_TRUE(removeAutostartEntry(entry));
}

} // namespace
