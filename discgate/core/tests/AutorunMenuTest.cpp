#include "PlainMenu.h"
#include "TemporaryFolder.h"
#include "WindowsCommand.h"
#include "cls_IniFile.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

// Rows name only the fields that the file sets.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

struct MenuCase {
    const char *name;
    std::string content;
    AutorunMenu expected;
    Processor processor = Processor::Amd64;
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
        {"own_processor_in_place_of_autorun",
         "[autorun]\nopen=x86.exe\nlabel=L\n[AutoRun.AMD64]\nopen=x64.exe\n[autorun.arm64]\nopen="
         "a\n",
         {.open = "x64.exe"}},
        {"arm64_section",
         "[autorun]\nopen=x86.exe\n[autorun.arm64]\nopen=arm.exe\n",
         {.open = "arm.exe"},
         Processor::Arm64},
        {"other_processors_ignored",
         "[autorun.ia64]\nopen=ia.exe\n[autorun.arm64]\nopen=arm.exe\n[autorun]\nopen=a.exe\n",
         {.open = "a.exe"}},
        {"shell_open_command_is_open",
         "[autorun]\nshell\\open\\command=setup.exe\nshell\\x\\command=x.exe\n",
         {.open = "setup.exe", .verbs = {{"x", "x", "x.exe"}}}},
        {"open_key_before_shell_open",
         "[autorun]\nshell\\OPEN\\command=b.exe\nopen=a.exe\n",
         {.open = "a.exe"}},
        {"unicode_big_endian_file",
         std::string("\xFE\xFF\0[\0a\0u\0t\0o\0r\0u\0n\0]\0\n\0l\0a\0b\0e\0l\0=\x30\xC9\0\n", 36),
         {.label = "ド"}},
        {"unicode_file",
         std::string("\xFF\xFE[\0a\0u\0t\0o\0r\0u\0n\0]\0\n\0l\0a\0b\0e\0l\0=\0\xC9\x30\n\0", 36),
         {.label = "ド"}},
    };
    for (const MenuCase &row : rows)
        EXPECT_EQ(parseAutorunMenu(cls_IniFile::ofContent(row.content), row.processor),
                  row.expected)
            << row.name;
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
                               {"blank", "Blank", " "},
                               {"gone", "&Gone", "notepad gone.txt"}}};
    const PlainMenu expected{
        {{ChoiceKind::Run, "Install it", "Setup Tool.exe", root + "/Setup Tool.exe"},
         {ChoiceKind::Open, "", "http://example.com/", "http://example.com/"},
         {ChoiceKind::Verb, "&Tool", "Setup Tool.exe", root + "/Setup Tool.exe"},
         {ChoiceKind::Verb, "&Read", "readme.txt", root + "/README.TXT"},
         {ChoiceKind::Verb, "&Gone", "gone.txt", root + "/gone.txt", true}},
        3};
    EXPECT_EQ(plainMenuOf(menu, medium.path()), expected);

    menu.open.clear();
    menu.defaultVerb = "missing";
    const PlainMenu withoutOpen = plainMenuOf(menu, medium.path());
    EXPECT_EQ(withoutOpen.choices.front().label, "Install it");
    EXPECT_EQ(withoutOpen.defaultIndex, 0u);

    // A document shown by a program of Windows is opened; one that Windows
    // does not have is missing by its own name.
    menu.open = "notepad.exe readme.txt";
    menu.shellExecute = "regedit.exe /s x.reg";
    const PlainMenu windows = plainMenuOf(menu, medium.path());
    EXPECT_EQ(windows.choices[0],
              (AutorunChoice{ChoiceKind::Open, "Install it", "readme.txt", root + "/README.TXT"}));
    EXPECT_EQ(windows.choices[1],
              (AutorunChoice{ChoiceKind::Open, "", "regedit.exe", root + "/regedit.exe", true}));
}

// Each command is read as Windows starts it; the medium is asked a bounded
// number of times however many blanks a line holds.
TEST(AutorunMenuTest, CommandsOpenWhatWindowsWouldOpen) {
    const std::set<std::string, std::less<>> onMedium = {"Setup Tool.exe", "docs", "read me.txt",
                                                         "start.exe"};
    std::size_t asked = 0;
    const auto exists = [&](std::string_view name) {
        ++asked;
        return onMedium.contains(name);
    };
    const std::tuple<std::string, std::string, bool> rows[] = {
        {"notepad.exe readme.txt", "readme.txt", true},
        {"NOTEPAD read me.txt", "read me.txt", true},
        {"C:\\WINDOWS\\write.exe /p \"a b.doc\"", "a b.doc", true},
        {"wordpad", "wordpad", false},
        {"explorer docs", "docs", true},
        {"start index.htm", "index.htm", true},
        {"start \"\" /max \"index.htm\"", "index.htm", true},
        {"start \"index.htm\"", "index.htm", true},
        {"cmd /c start index.htm", "index.htm", true},
        {"CMD.EXE /C START http://example.com/", "http://example.com/", true},
        {"cmd /c setup.bat", "cmd", false},
        {"rundll32 url.dll,FileProtocolHandler x.html", "x.html", true},
        {"rundll32.exe shell32.dll,Control_RunDLL", "rundll32.exe", false},
        {"\"Setup Tool.exe\" /s", "Setup Tool.exe", false},
        {"Setup Tool.exe /s", "Setup Tool.exe", false},
        {"start.exe page.htm", "start.exe", false},
        {"regedit /s x.reg", "regedit", false},
    };
    for (const auto &[command, name, throughWindows] : rows)
        EXPECT_EQ(commandTarget(command, exists), (CommandTarget{name, throughWindows})) << command;

    std::string blanks = "cmd /c start";
    for (int i = 0; i < 5000; ++i)
        blanks += " /x a";
    asked = 0;
    commandTarget(blanks, exists);
    EXPECT_LE(asked, 2 * maximumProgramTries + 3);
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
