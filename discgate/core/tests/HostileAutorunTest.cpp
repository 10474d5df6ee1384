#include "HostileInput.h"
#include "MenuDescription.h"
#include "TemporaryFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// What reading a hostile Autorun.inf must end in: a description with this
// many button records (the close button and the launch buttons), or an error.
using Outcome = std::variant<std::size_t, LoadProblem>;

struct HostileAutorun {
    const char *name;
    std::string (*content)();
    Outcome outcome;
};

// Launch buttons that each name a picture, so that reading goes on to the
// next; the last one is the first without a section of its own.
std::string manyButtons() {
    std::string content = "[BtmMax]\r\nNum=1000\r\n";
    for (int k = 1; k <= 100; ++k)
        content += "[Btn" + std::to_string(k) + "]\r\nX=" + std::to_string(k) +
                   "\r\nDefaultBtn=b.png\r\nExeFile=D:\\setup.exe\r\n";
    return content;
}

const HostileAutorun hostileFiles[] = {
    {"Empty", [] { return std::string(); }, 1u},
    {"BinaryGarbage", [] { return binaryGarbage(64 << 10); }, 1u},
    {"FiftyMegabytesOfGarbage", [] { return binaryGarbage(fiftyMegabytes); }, 1u},
    {"OneLineOfOneMegabyte",
     [] { return "[MainForm]\r\nBackground=" + std::string(oneMegabyte, 'x'); }, 1u},
    {"NulBytes", [] { return bytesOf("[BtmMax]\r\nNum=1\0005\r\n[Btn1]\r\n"); }, 2u},
    {"InvalidShiftJis", [] { return "[CloseBtn]\r\nMessage=\x81\x20\xFF\r\n"s; }, 1u},
    {"Utf8WithoutByteOrderMark", [] { return "[BtmMax]\r\nNum=1\r\n[Btn1]\r\nTitle=起動\r\n"s; },
     2u},
    {"NumOfMaximumInteger",
     [] { return "[BtmMax]\r\nNum=2147483647\r\n[Btn1]\r\nDefaultBtn=a.png\r\n"s; },
     LoadProblem::TooManyButtons},
    {"NumOf1001", [] { return "[BtmMax]\r\nNum=1001\r\n[Btn1]\r\nDefaultBtn=a.png\r\n"s; },
     LoadProblem::TooManyButtons},
    {"NumOf1000WithAHundredButtons", manyButtons, 102u},
    {"NumOfMinusFive", [] { return "[BtmMax]\r\nNum=-5\r\n[Btn1]\r\n"s; }, 1u},
    {"WidthOfTwoHundredMillion", [] { return "[MainForm]\r\nWidth=200000000\r\n"s; },
     LoadProblem::Overflow},
    {"WindowOf32767Pixels", [] { return "[MainForm]\r\nWidth=32767\r\nHeight=32767\r\n"s; },
     LoadProblem::WindowTooLarge},
    {"TargetsAndPicturesOffTheMedium",
     [] {
         return "[MainForm]\r\nBackground=..\\..\\etc\\passwd\r\n[BtmMax]\r\nNum=2\r\n"
                "[Btn1]\r\nExeFile=..\\..\\elsewhere\\x.sh\r\nDefaultBtn=a.png\r\n"
                "[Btn2]\r\nExeFile=D:\\..\\..\\x.sh\r\nDefaultBtn=a.png\r\n"s;
     },
     3u},
};

// Every file of the folder with its bytes, to show that reading changed none.
std::map<fs::path, std::string> filesIn(const fs::path &folder) {
    std::map<fs::path, std::string> files;
    for (const auto &entry : fs::recursive_directory_iterator(folder))
        files[entry.path()] = entry.is_regular_file() ? readBytes(entry.path()) : "(folder)";
    return files;
}

Outcome outcomeOf(const DescriptionOrError &result) {
    if (!result)
        return result.error().problem;
    return result->BtnList.size();
}

TEST(HostileAutorunTest, ReadsToTheDefinedOutcomeAndWritesNothing) {
    for (const HostileAutorun &row : hostileFiles) {
        SCOPED_TRACE(row.name);
        const TemporaryFolder medium;
        writeBytes(medium / "Autorun.inf", row.content());
        const auto before = filesIn(medium.path());
        EXPECT_EQ(outcomeOf(readLauncherDescription(medium.path())), row.outcome);
        EXPECT_TRUE(filesIn(medium.path()) == before);
    }
}

// A description larger than any real one is refused before a byte of it is
// read; the file is sparse, so the test writes nothing.
TEST(HostileAutorunTest, DescriptionAbove64MegabytesIsRefusedUnread) {
    TemporaryFolder medium;
    writeBytes(medium / "Autorun.inf", "[MainForm]\r\nWidth=10\r\n");
    fs::resize_file(medium / "Autorun.inf", (64u << 20) + 1);
    EXPECT_EQ(outcomeOf(readLauncherDescription(medium.path())),
              Outcome(LoadProblem::DescriptionTooLarge));
    fs::resize_file(medium / "Autorun.inf", 64u << 20);
    EXPECT_EQ(outcomeOf(readLauncherDescription(medium.path())), Outcome(1u));
}

// What stands where Autorun.inf should be: a pipe that nobody writes to
// (opening it for reading would wait for a writer for ever), a link off the
// medium, and a link that stays on it, which a well-made medium may use.
TEST(HostileAutorunTest, PipesAndLinksOffTheMediumAreNoDescription) {
    TemporaryFolder folder;
    const fs::path medium = folder / "medium";
    fs::create_directory(medium);
    writeBytes(folder / "elsewhere.inf", "[BtmMax]\r\nNum=1\r\n");
    writeBytes(medium / "menu.inf", "[BtmMax]\r\nNum=1\r\n");
    const struct {
        const char *name;
        std::function<void(const fs::path &)> make;
        Outcome outcome;
    } rows[] = {
        {"pipe", [](const fs::path &file) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); },
         LoadProblem::DescriptionMissing},
        {"link off the medium",
         [&folder](const fs::path &file) { fs::create_symlink(folder / "elsewhere.inf", file); },
         LoadProblem::DescriptionMissing},
        {"link on the medium", [](const fs::path &file) { fs::create_symlink("menu.inf", file); },
         2u},
    };
    for (const auto &row : rows) {
        fs::remove(medium / "Autorun.inf");
        row.make(medium / "Autorun.inf");
        EXPECT_EQ(outcomeOf(readLauncherDescription(medium)), row.outcome) << row.name;
    }
}

// Root reads any file; anyone else finds an unreadable description missing.
TEST(HostileAutorunTest, UnreadableFileIsReportedOrReadButNeverChanged) {
    TemporaryFolder medium;
    writeBytes(medium / "Autorun.inf", "[MainForm]\r\nWidth=10\r\n");
    fs::permissions(medium / "Autorun.inf", fs::perms::none);
    const Outcome outcome = outcomeOf(readLauncherDescription(medium.path()));
    EXPECT_EQ(outcome, ::geteuid() == 0 ? Outcome(1u) : Outcome(LoadProblem::DescriptionMissing));
    fs::permissions(medium / "Autorun.inf", fs::perms::owner_read);
    EXPECT_EQ(readBytes(medium / "Autorun.inf"), "[MainForm]\r\nWidth=10\r\n");
}

} // namespace
