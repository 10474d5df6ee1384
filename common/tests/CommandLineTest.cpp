#include "CommandLine.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr std::array<CommandLineOption, 2> options = {{{"--export-notes", "FILE"}, {"--tray", ""}}};
constexpr CommandLineSyntax syntax{options, 1};

using Kind = CommandLineStop::Kind;

} // namespace

TEST(CommandLineTest, ArgumentsAreReadAsTheTableSays) {
    struct Row {
        std::vector<const char *> arguments;
        Result<CommandLine, CommandLineStop> expected;
    };
    const Row rows[] = {
        {{}, CommandLine{}},
        {{"--export-notes", "-", "--tray"},
         CommandLine{{{"--export-notes", "-"}, {"--tray", ""}}, {}}},
        {{"medium"}, CommandLine{{}, {"medium"}}},
        {{"--", "--help"}, CommandLine{{}, {"--help"}}},
        // Qt takes its own options, with two dashes too, and their arguments.
        {{"-platform", "xcb", "--style", "Fusion", "-reverse", "-stylesheet=a.qss", "medium"},
         CommandLine{{}, {"medium"}}},
        {{"--tray", "-h", "--bogus"}, Failure{CommandLineStop{Kind::Help, {}}}},
        {{"--version"}, Failure{CommandLineStop{Kind::Version, {}}}},
        {{"--bogus", "--help"}, Failure{CommandLineStop{Kind::UnknownOption, "--bogus"}}},
        {{"-tray"}, Failure{CommandLineStop{Kind::UnknownOption, "-tray"}}},
        {{"--export-notes"}, Failure{CommandLineStop{Kind::MissingValue, "--export-notes"}}},
        {{"a", "b"}, Failure{CommandLineStop{Kind::TooManyOperands, "b"}}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(parseCommandLine(row.arguments, syntax), row.expected) << &row - rows;
}

TEST(CommandLineTest, TheLastUseOfAnOptionCounts) {
    const auto read = parseCommandLine(
        std::vector<const char *>{"--export-notes", "a", "--export-notes", "b"}, syntax);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->valueOf("--export-notes"), "b");
    EXPECT_EQ(read->valueOf("--tray"), std::nullopt);
}
