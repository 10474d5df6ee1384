#include "OpenFailure.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const OpenFailure noProgram{OpenProblem::NoProgramForFile, {}};
const OpenFailure systemFailure{OpenProblem::System, "Unable to find terminal"};

TEST(OpenFailure, TellsTheUserWhatWentWrongWithTheTarget) {
    TemporaryFolder medium;
    writeBytes(medium / "readme.txt", "Read me.\n");
    writeBytes(medium / "SETUP.EXE", "");
    writeBytes(medium / "install", "MZ\x90");
    ASSERT_EQ(::mkfifo((medium / "pipe").c_str(), 0600), 0);
    const struct {
        LaunchAction action;
        OpenFailure reported;
        OpenFailure told;
    } rows[] = {
        {{LaunchKind::OpenFile, (medium / "readme.txt").string()}, noProgram, noProgram},
        {{LaunchKind::OpenFile, (medium / "readme.txt").string()}, systemFailure, systemFailure},
        {{LaunchKind::OpenFile, (medium / "SETUP.EXE").string()},
         noProgram,
         {OpenProblem::WindowsProgram, {}}},
        {{LaunchKind::OpenFile, (medium / "install").string()},
         noProgram,
         {OpenProblem::WindowsProgram, {}}},
        // A pipe is not read, so it cannot hold the window.
        {{LaunchKind::OpenFile, (medium / "pipe").string()}, noProgram, noProgram},
        // Gone since the click, whatever the desktop made of it.
        {{LaunchKind::OpenFile, (medium / "gone.exe").string()},
         noProgram,
         {OpenProblem::FileMissing, {}}},
        {{LaunchKind::RunProgram, (medium / "gone").string()},
         systemFailure,
         {OpenProblem::FileMissing, {}}},
        {{LaunchKind::OpenUrl, "https://example.com/setup.exe"},
         {OpenProblem::NoProgramForAddress, {}},
         {OpenProblem::NoProgramForAddress, {}}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(explainFailure(row.action, row.reported), row.told) << row.action.target;
}

TEST(OpenFailure, MessageNamesTheTargetAndTheReason) {
    EXPECT_EQ(openFailureMessage("setup.exe", {OpenProblem::WindowsProgram, {}}),
              "setup.exeを開けませんでした。\n\n"
              "Windows 用のプログラムです。\n実行するには Wine などのプログラムが必要です。");
    EXPECT_EQ(openFailureMessage("a.pdf", systemFailure),
              "a.pdfを開けませんでした。\n\nUnable to find terminal");
}

} // namespace
