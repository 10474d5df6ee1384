#include "PlainMenu.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <gtest/gtest.h>

// Rows name only the fields that the file sets.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

struct MenuCase {
    const char *name;
    std::string content;
    AutorunMenu expected;
};

TEST(AutorunMenuTest, ReadsTheAutorunSectionAsWindowsDoes) {
    const MenuCase rows[] = {
        {"driver_cd",
         "[autorun]\r\nopen=setup.exe\r\nicon=setup.ico\r\nlabel=Driver CD\r\n",
         {.label = "Driver CD", .icon = "setup.ico", .open = "setup.exe"}},
        {"any_letter_case",
         "[AutoRun]\nOPEN=Setup.EXE /s\nIcon=Setup.exe,2\nAction=Install\n",
         {.icon = "Setup.exe", .iconIndex = 2, .open = "Setup.EXE /s", .action = "Install"}},
        {"icon_with_comma_in_name", "[autorun]\nicon=\"a,b.ico\"\n", {.icon = "a,b.ico"}},
        {"icon_negative_index",
         "[autorun]\nicon=app.dll , -101\n",
         {.icon = "app.dll", .iconIndex = -101}},
        {"shellexecute", "[autorun]\nshellexecute=index.htm\n", {.shellExecute = "index.htm"}},
        {"verbs_in_file_order_with_their_commands",
         "[autorun]\nshell=readme\nshell\\install=&Install\nshell\\install\\command=setup.exe\n"
         "shell\\readme\\command=notepad readme.txt\nshell\\README=Read &me\n"
         "shell\\nocommand=Nothing\nSHELL\\Install\\Command=other.exe\n",
         {.defaultVerb = "readme",
          .verbs = {{"install", "&Install", "setup.exe"},
                    {"readme", "Read &me", "notepad readme.txt"}}}},
        {"verb_without_label_shows_its_name",
         "[autorun]\nshell\\go\\command=go.exe\n",
         {.verbs = {{"go", "go", "go.exe"}}}},
        {"keys_of_other_sections_ignored",
         "[x]\nopen=a.exe\n[autorun]\nlabel=L\n[y]\nshell\\a\\command=b\n",
         {.label = "L"}},
        {"neither_section", "[Other]\nkey=value\n", {}},
        {"unicode_file",
         std::string("\xFF\xFE[\0a\0u\0t\0o\0r\0u\0n\0]\0\n\0l\0a\0b\0e\0l\0=\0\xC9\x30\n\0", 36),
         {.label = "ド"}},
    };
    for (const MenuCase &row : rows)
        EXPECT_EQ(parseAutorunMenu(cls_IniFile::ofContent(row.content)), row.expected) << row.name;
}

TEST(AutorunMenuTest, ChoicesComeInTheWindowsOrderWithTheirTargets) {
    TemporaryFolder medium;
    writeBytes(medium / "Setup Tool.exe", "MZ");
    writeBytes(medium / "README.TXT", "read me");
    const std::string root = medium.path().string();
    AutorunMenu menu{.open = "\"D:\\Setup Tool.exe\" /s",
                     .shellExecute = "http://example.com/ x",
                     .action = "Install it",
                     .defaultVerb = "READ",
                     .verbs = {{"tool", "&Tool", "Setup Tool.exe -x"},
                               {"read", "&Read", "readme.txt"},
                               {"blank", "Blank", " "}}};
    const PlainMenu expected{
        {{ChoiceKind::Run, "Install it", "Setup Tool.exe", root + "/Setup Tool.exe"},
         {ChoiceKind::Open, "", "http://example.com/", "http://example.com/"},
         {ChoiceKind::Verb, "&Tool", "Setup Tool.exe", root + "/Setup Tool.exe"},
         {ChoiceKind::Verb, "&Read", "readme.txt", root + "/README.TXT"}},
        3};
    EXPECT_EQ(plainMenuOf(menu, medium.path()), expected);

    menu.open.clear();
    menu.defaultVerb = "missing";
    const PlainMenu withoutOpen = plainMenuOf(menu, medium.path());
    EXPECT_EQ(withoutOpen.choices.front().label, "Install it");
    EXPECT_EQ(withoutOpen.defaultIndex, 0u);
}

TEST(AutorunMenuTest, CommandLinesLoseTheirArguments) {
    const auto exists = [](std::string_view name) { return name == "My Setup.exe"; };
    const std::pair<std::string, std::string> rows[] = {
        {"setup.exe", "setup.exe"},
        {"  setup.exe /s /v\"x y\"", "setup.exe"},
        {"\"bin\\my setup.exe\" -a", "bin\\my setup.exe"},
        {"\"unclosed name", "unclosed name"},
        {"My Setup.exe /quiet", "My Setup.exe"},
        {"My Setup.exe", "My Setup.exe"},
        {"Missing Tool.exe /quiet", "Missing"},
        {"", ""},
    };
    for (const auto &[command, program] : rows)
        EXPECT_EQ(commandProgram(command, exists), program) << command;
}

} // namespace
