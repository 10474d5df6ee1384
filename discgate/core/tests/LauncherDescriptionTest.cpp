#include "MenuDescription.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

class LauncherDescriptionTest : public testing::Test {
protected:
    void writeDescription(const std::string &text) { writeBytes(m_folder / "Autorun.inf", text); }

    // The path as Autorun.inf's reader joins a name to the program folder.
    std::string onMedium(const std::string &name) const {
        return m_folder.path().string() + "/" + name;
    }

    LauncherDescription read() const {
        DescriptionOrError result = readLauncherDescription(m_folder.path());
        EXPECT_TRUE(result);
        return result ? *result : LauncherDescription{};
    }

    std::optional<LoadError> error() const {
        const DescriptionOrError result = readLauncherDescription(m_folder.path());
        return result ? std::nullopt : std::optional(result.error());
    }

    TemporaryFolder m_folder;
};

TEST_F(LauncherDescriptionTest, ReadsAWholeMedium) {
    writeDescription("[MainForm]\r\nWidth=320\r\nHeight=240\r\nBackground=pics\\back.png\r\n"
                     "[OpenPosition]\r\nX=Center\r\nY=40\r\n"
                     "[CloseBtn]\r\nX=290\r\nY=4\r\nDefaultBtn=close.bmp\r\nCrossBtn=close2.bmp\r\n"
                     "Message=Quit?\r\nTitle=Bye\r\nClose=Yes\r\n"
                     "[BtmMax]\r\nNum=1\r\n"
                     "[Btn1]\r\nX=10\r\nY=20\r\nExeFile=readme.txt\r\nDefaultBtn=b1.png\r\n"
                     "Close=yes\r\n[Other]\r\nWidth=1\r\n");
    LauncherDescription expected;
    expected.widthTwips = 4800;
    expected.heightTwips = 3600;
    expected.backgroundPath = onMedium("pics/back.png");
    expected.left = {Placement::Centred, 0};
    expected.top = {Placement::AtPosition, 600};
    expected.buttonPositions = {{290, 4}, {10, 20}};
    expected.BtnList = {
        {"", onMedium("close.bmp"), onMedium("close2.bmp"), "Quit?", "Bye", ""},
        {onMedium("readme.txt"), onMedium("b1.png"), onMedium("b1.png"), "", "", "yes"},
    };
    EXPECT_EQ(read(), expected);
}

TEST_F(LauncherDescriptionTest, ReadsExactlyNumLaunchButtons) {
    const std::string sections = "[CloseBtn]\r\nDefaultBtn=c.png\r\n"
                                 "[Btn1]\r\nDefaultBtn=1.png\r\n[Btn2]\r\nDefaultBtn=2.png\r\n"
                                 "[Btn3]\r\nX=5\r\nDefaultBtn=3.png\r\n";
    const struct {
        std::string count;
        std::size_t records;
    } rows[] = {
        {"", 1},
        {"[BtmMax]\r\nNum=0\r\n", 1},
        {"[BtmMax]\r\nNum=-3\r\n", 1},
        {"[BtmMax]\r\nNum=2\r\n", 3},
        {"[BtmMax]\r\nNum=3\r\n", 4},
        {"[BtmMax]\r\nNum=x\r\n", 1},
        {"[BtnMax]\r\nNum=3\r\n", 1}, // the section is "BtmMax"
    };
    for (const auto &row : rows) {
        writeDescription(sections + row.count);
        const LauncherDescription description = read();
        EXPECT_EQ(description.BtnList.size(), row.records) << row.count;
        EXPECT_EQ(description.buttonPositions.size(), row.records) << row.count;
    }
}

TEST_F(LauncherDescriptionTest, MissingButtonSectionReadsItsDefaultsAndEndsTheList) {
    writeDescription("[BtmMax]\r\nNum=1000\r\n[Btn1]\r\nX=7\r\nDefaultBtn=1.png\r\n"
                     "[Btn3]\r\nDefaultBtn=3.png\r\n");
    const LauncherDescription description = read();
    ASSERT_EQ(description.BtnList.size(), 3u);
    EXPECT_EQ(description.buttonPositions[2], (PixelPoint{0, 0}));
    EXPECT_EQ(description.BtnList[2],
              (BtnData{onMedium(""), onMedium(""), onMedium(""), "", "", ""}));
}

TEST_F(LauncherDescriptionTest, ScreenEdgesCentreOnlyOnCenter) {
    const struct {
        std::string value;
        ScreenEdge edge;
    } rows[] = {
        {"Center", {Placement::Centred, 0}},      {"center", {Placement::AtPosition, 0}},
        {"CENTER", {Placement::AtPosition, 0}},   {"-1", {Placement::AtPosition, 0}},
        {"-2", {Placement::AtPosition, -30}},     {"100", {Placement::AtPosition, 1500}},
        {" 100 ", {Placement::AtPosition, 1500}}, {"", {Placement::AtPosition, 0}},
    };
    for (const auto &row : rows) {
        writeDescription("[OpenPosition]\r\nX=" + row.value + "\r\nY=" + row.value + "\r\n");
        const LauncherDescription description = read();
        EXPECT_EQ(description.left, row.edge) << row.value;
        EXPECT_EQ(description.top, row.edge) << row.value;
    }
}

TEST_F(LauncherDescriptionTest, ButtonPositionsArePixelsWithMinusOneAsZero) {
    writeDescription("[CloseBtn]\r\nX=-1\r\nY=-2\r\n[BtmMax]\r\nNum=1\r\n"
                     "[Btn1]\r\nX=-1\r\nY=abc\r\nDefaultBtn=1.png\r\n");
    EXPECT_EQ(read().buttonPositions, (std::vector<PixelPoint>{{0, -2}, {0, 0}}));
}

TEST_F(LauncherDescriptionTest, AddressesPassUnchangedAndEverythingElseLiesOnTheMedium) {
    const struct {
        std::string value;
        std::string target;
    } rows[] = {
        {"readme.txt", onMedium("readme.txt")},
        {"docs\\manual.pdf", onMedium("docs/manual.pdf")},
        {"\\\\server\\share\\setup.exe", onMedium("//server/share/setup.exe")},
        {"", onMedium("")},
        {"D:\\setup.exe", onMedium("setup.exe")},
        {"https://example.com/a?b=c", "https://example.com/a?b=c"},
        {"mailto:info@example.com", "mailto:info@example.com"},
        {"docs\\a:b.txt", onMedium("docs/a:b.txt")},
    };
    for (const auto &row : rows) {
        writeDescription("[BtmMax]\r\nNum=1\r\n[Btn1]\r\nExeFile=" + row.value +
                         "\r\nDefaultBtn=1.png\r\n");
        EXPECT_EQ(read().BtnList.at(1).strExeFile, row.target) << row.value;
    }
}

TEST_F(LauncherDescriptionTest, PicturePathsAreAlwaysJoinedToTheProgramFolder) {
    const struct {
        std::string keys;
        std::string normal;
        std::string hover;
    } rows[] = {
        {"DefaultBtn=a.png\r\n", onMedium("a.png"), onMedium("a.png")},
        {"DefaultBtn=a.png\r\nCrossBtn=\r\n", onMedium("a.png"), onMedium("a.png")},
        {"DefaultBtn=a.png\r\nCrossBtn=Error\r\n", onMedium("a.png"), onMedium("a.png")},
        {"DefaultBtn=a.png\r\nCrossBtn=b.png\r\n", onMedium("a.png"), onMedium("b.png")},
        {"DefaultBtn=\\pics\\a.png\r\n", onMedium("/pics/a.png"), onMedium("/pics/a.png")},
        {"DefaultBtn=C:\\a.png\r\n", onMedium("C:/a.png"), onMedium("C:/a.png")},
    };
    for (const auto &row : rows) {
        writeDescription("[CloseBtn]\r\n" + row.keys);
        const BtnData close = read().BtnList.at(0);
        EXPECT_EQ(close.strDefaultBtn, row.normal) << row.keys;
        EXPECT_EQ(close.strCrossBtn, row.hover) << row.keys;
    }
}

TEST_F(LauncherDescriptionTest, FindsFilesWhoseNamesDifferInLetterCase) {
    std::filesystem::create_directory(m_folder / "PICS");
    writeBytes(m_folder / "PICS" / "BACK.PNG", "");
    writeBytes(m_folder / "AUTORUN.INF", "[MainForm]\r\nBackground=pics\\back.png\r\n");
    EXPECT_EQ(read().backgroundPath, (m_folder / "PICS" / "BACK.PNG").string());
}

// Sizes and positions that overflow in twips, and windows larger than any
// screen, are refused with the key that says so.
TEST_F(LauncherDescriptionTest, RefusesSizesThatOverflowInTwipsOrExceedAnyScreen) {
    const LoadProblem tooLarge = LoadProblem::WindowTooLarge;
    const struct {
        std::string text;
        std::string refusedKey; // none: the file is read
        LoadProblem problem = LoadProblem::Overflow;
    } rows[] = {
        {"[MainForm]\r\nWidth=-143165576\r\nHeight=-143165576\r\n", ""},
        {"[MainForm]\r\nWidth=143165577\r\n", "[MainForm] Width=143165577"},
        {"[MainForm]\r\nHeight=-143165577\r\n", "[MainForm] Height=-143165577"},
        {"[OpenPosition]\r\nX=Center\r\nY=99999999999\r\n", "[OpenPosition] Y=2147483647"},
        {"[OpenPosition]\r\nX=200000000\r\nY=300000000\r\n", "[OpenPosition] X=200000000"},
        {"[CloseBtn]\r\nX=200000000\r\n", ""}, // button positions stay in pixels
        {"[MainForm]\r\nWidth=16384\r\nHeight=16384\r\n", ""},
        {"[MainForm]\r\nWidth=16385\r\nHeight=10\r\n", "[MainForm] Width=16385", tooLarge},
        {"[MainForm]\r\nWidth=32767\r\nHeight=32767\r\n", "[MainForm] Width=32767", tooLarge},
        {"[MainForm]\r\nWidth=10\r\nHeight=143165576\r\n", "[MainForm] Height=143165576", tooLarge},
    };
    for (const auto &row : rows) {
        writeDescription(row.text);
        std::optional<LoadError> expected;
        if (!row.refusedKey.empty())
            expected = LoadError{row.problem, onMedium("Autorun.inf"), row.refusedKey};
        EXPECT_EQ(error(), expected) << row.text;
    }
}

// A folder of many entries is listed once for all the names that are written in
// another letter case, not once for each.
TEST_F(LauncherDescriptionTest, LooksUpManyNamesInALargeFolderQuickly) {
    std::filesystem::create_directory(m_folder / "PICS");
    for (int entry = 0; entry < 4000; ++entry)
        writeBytes(m_folder / "PICS" / ("FILLER" + std::to_string(entry) + ".PNG"), "");
    std::string content = "[BtmMax]\r\nNum=300\r\n";
    for (int k = 1; k <= 300; ++k)
        content += "[Btn" + std::to_string(k) + "]\r\nDefaultBtn=pics\\filler" + std::to_string(k) +
                   ".png\r\nCrossBtn=pics\\filler" + std::to_string(k + 300) + ".png\r\n";
    writeDescription(content);
    const LauncherDescription description = read();
    ASSERT_EQ(description.BtnList.size(), 301u);
    EXPECT_EQ(description.BtnList[300].strCrossBtn, onMedium("PICS/FILLER600.PNG"));
}

TEST_F(LauncherDescriptionTest, ReportsAMissingDescriptionFile) {
    EXPECT_EQ(error(), (LoadError{LoadProblem::DescriptionMissing, onMedium("Autorun.inf"), {}}));
    std::filesystem::create_directory(m_folder / "Autorun.inf");
    EXPECT_EQ(error(), (LoadError{LoadProblem::DescriptionMissing, onMedium("Autorun.inf"), {}}));
}

} // namespace
