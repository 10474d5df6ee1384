#include "FileJournal.h"
#include "IniText.h"
#include "TemporaryFolder.h"
#include "cls_IniFile.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

pid_t startWriter(const std::vector<std::string> &arguments) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char *> argv{const_cast<char *>(INI_WRITER_PATH)};
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(INI_WRITER_PATH, argv.data());
        ::_exit(127);
    }
    return child;
}

int waitFor(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// A Calendar.ini of a few hundred notes after a counter, so that each write
// takes a while, and one written in place rewrites nearly all of it.
std::string sizeableCalendar() {
    std::string content = IniText::withValue("", "Counter", "n", "0");
    for (int day = 1; day <= 300; ++day)
        content = IniText::withValue(content, "Day" + std::to_string(day), "Text",
                                     std::string(80, static_cast<char>('a' + day % 26)));
    return content;
}

// Kills need no disk: what a killed writer wrote stays in memory all the same,
// and saves that wait for no disk give many more moments to kill in.
const std::filesystem::path inMemory = "/dev/shm";

// The two ways of a save: a file of one name is replaced by a new file, one
// of two names (a hard link) is written in place through its journal.
constexpr bool secondNames[] = {false, true};

std::optional<std::string> counterIn(const std::string &content) {
    return IniText::Index(content).findValue("Counter", "n");
}

TEST(IniWriterSafetyTest, KilledWriterLeavesTheOldOrTheNewFile) {
    for (const bool secondName : secondNames) {
        TemporaryFolder folder(inMemory);
        const auto path = folder / "Calendar.ini";
        const std::string base = sizeableCalendar();
        writeBytes(path, base);
        if (secondName)
            std::filesystem::create_hard_link(path, folder / "Other.ini");

        std::mt19937 random(20051014);
        std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
        long lastSeen = 0;
        int journalsLeft = 0;
        for (int round = 0; round < 300; ++round) {
            const pid_t writer = startWriter({path.string(), "Counter", "n", "forever"});
            // Once the writer is busy, kill it at a random moment of its work.
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (counterIn(readBytes(path)) == std::to_string(lastSeen) &&
                   std::chrono::steady_clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
            ::kill(writer, SIGKILL);
            waitFor(writer);

            // The next open completes a write in place that the kill stopped.
            journalsLeft += std::filesystem::exists(FileJournal::journalOf(path));
            static_cast<void>(cls_IniFile(path.string()).GetDataStr("Counter", "n"));
            ASSERT_FALSE(std::filesystem::exists(FileJournal::journalOf(path))) << round;
            const std::string content = readBytes(path);
            const std::optional<std::string> counter = counterIn(content);
            ASSERT_TRUE(counter) << "round " << round;
            ASSERT_EQ(content, IniText::withValue(base, "Counter", "n", *counter))
                << "round " << round;
            if (secondName) {
                ASSERT_EQ(readBytes(folder / "Other.ini"), content) << "round " << round;
            }
            lastSeen = std::stol(*counter);
        }
        EXPECT_GT(lastSeen, 0);
        if (secondName) {
            EXPECT_GT(journalsLeft, 0) << "no kill came during a write in place";
        }
        RecordProperty(secondName ? "journalsLeftInPlace" : "journalsLeftReplacing", journalsLeft);
    }
}

TEST(IniWriterSafetyTest, TwoWritersAtOnceLoseNoKey) {
    for (const bool secondName : secondNames) {
        TemporaryFolder folder(inMemory);
        const auto path = folder / "Calendar.ini";
        if (secondName) {
            writeBytes(path, "");
            std::filesystem::create_hard_link(path, folder / "Other.ini");
        }
        constexpr int keysPerWriter = 500;
        const pid_t first =
            startWriter({path.string(), "Notes", "first", std::to_string(keysPerWriter)});
        const pid_t second =
            startWriter({path.string(), "Notes", "second", std::to_string(keysPerWriter)});
        EXPECT_EQ(waitFor(first), 0);
        EXPECT_EQ(waitFor(second), 0);

        const cls_IniFile ini(path.string());
        int missing = 0;
        for (int i = 0; i < keysPerWriter; ++i) {
            for (const char *prefix : {"first", "second"}) {
                if (ini.GetDataStr("Notes", prefix + std::to_string(i)) !=
                    "value " + std::to_string(i))
                    ++missing;
            }
        }
        EXPECT_EQ(missing, 0);
        if (secondName) {
            EXPECT_EQ(readBytes(folder / "Other.ini"), readBytes(path));
        }
    }
}

} // namespace
