#include "MenuCheck.h"

#include "TemporaryFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Every picture is a small one, but for those whose name says otherwise.
const PictureSizes pictureSizes = [](const std::string &path) -> Result<PictureSize, LoadError> {
    if (path.find("bad") != std::string::npos)
        return Failure{LoadError{LoadProblem::PictureInvalid, path, {}}};
    return PictureSize{10, 10};
};

// A plain menu is checked by the commands and the icon it shows, line by
// line in any of the file's line ends, and by the keys of its section,
// below "shell\" too.
TEST(MenuCheckTest, FindsWhatAPlainMenuWouldGetWrong) {
    TemporaryFolder medium;
    writeBytes(medium / "readme.txt", "read me");
    writeBytes(medium / "broken.exe", "MZ and nothing after it");
    writeBytes(medium / "bad.ico", "not an icon");
    writeBytes(medium / "Autorun.inf", "[autorun]\r\nopen=gone.exe /s\r\nicon=broken.exe,1\n"
                                       "lable=Disc\rshell\\readme\\command=notepad readme.txt\r\n"
                                       "shell\\web\\command=start file:///etc/passwd\r\n"
                                       "shellexecute=ms-settings:display\r\n =x\r\n");
    const std::vector<CheckFinding> expected = {
        {2, AuthoringProblem::TargetMissing, "gone.exe", ""},
        {3, NoProgramIcon::NotAProgram, (medium / "broken.exe").string(), ""},
        {4, AuthoringProblem::UnknownKey, "lable", "label"},
        {6, LaunchRefusal::OffMedium, "file:///etc/passwd", ""},
        {7, LaunchRefusal::AddressScheme, "ms-settings:display", ""},
        {8, AuthoringProblem::UnknownKey, "", "open"},
    };
    EXPECT_EQ(checkMenu(medium.path(), pictureSizes), expected);

    writeBytes(medium / "Autorun.inf", "[autorun]\r\nicon=bad.ico\r\nopen=readme.txt\r\n");
    EXPECT_EQ(checkMenu(medium.path(), pictureSizes),
              (std::vector<CheckFinding>{
                  {2, LoadProblem::PictureInvalid, (medium / "bad.ico").string(), ""}}));
}

// However many mistakes a file repeats, the check tells of a bounded number
// of them.
TEST(MenuCheckTest, TellsOfABoundedNumberOfRepeatedFaults) {
    TemporaryFolder medium;
    std::string content = "[MainForm]\r\nWidth=100\r\nHeight=100\r\nBackground=b.png\r\n"
                          "[CloseBtn]\r\nDefaultBtn=b.png\r\n[BtmMax]\r\nNum=1\r\n[Btn1]\r\n";
    for (int key = 0; key < 5000; ++key)
        content += "DefualtBtn=b.png\r\n";
    for (int section = 2; section < 5000; ++section)
        content += "[Btn" + std::to_string(section) + "]\r\n";
    writeBytes(medium / "Autorun.inf", content);
    const auto findings = checkMenu(medium.path(), pictureSizes);
    EXPECT_LE(findings.size(), 2000u + 3);
    EXPECT_EQ(std::ranges::count(findings, "DefaultBtn", &CheckFinding::detail), 1000);
}

TEST(MenuCheckTest, NamesTheNearestKey) {
    const std::vector<std::string_view> keys = {"X", "Y", "ExeFile", "DefaultBtn", "CrossBtn"};
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"exefiles", "ExeFile"},
        {"DefaultButton", "DefaultBtn"},
        {"CrosBtn", "CrossBtn"},
        {"Z", "X"},
    };
    for (const auto &[key, nearest] : rows)
        EXPECT_EQ(nearestKey(key, keys), nearest) << key;
}

} // namespace
