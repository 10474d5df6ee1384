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

// A Calendar.ini of a few hundred notes, so that each write takes a while.
std::string sizeableCalendar() {
    std::string content;
    for (int day = 1; day <= 300; ++day)
        content = IniText::withValue(content, "Day" + std::to_string(day), "Text",
                                     std::string(80, static_cast<char>('a' + day % 26)));
    return content;
}

TEST(IniWriterSafetyTest, KilledWriterLeavesTheOldOrTheNewFile) {
    TemporaryFolder folder;
    const auto path = folder / "Calendar.ini";
    const std::string base = IniText::withValue(sizeableCalendar(), "Counter", "n", "0");
    writeBytes(path, base);

    std::mt19937 random(20051014);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    long lastSeen = 0;
    for (int round = 0; round < 300; ++round) {
        const pid_t writer = startWriter({path.string(), "Counter", "n", "forever"});
        // Once the writer is busy, kill it at a random moment of its work.
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (IniText::Index(readBytes(path)).findValue("Counter", "n") ==
                   std::to_string(lastSeen) &&
               std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(writer, SIGKILL);
        waitFor(writer);

        const std::string content = readBytes(path);
        const std::optional<std::string> counter =
            IniText::Index(content).findValue("Counter", "n");
        ASSERT_TRUE(counter) << "round " << round;
        ASSERT_EQ(content, IniText::withValue(base, "Counter", "n", *counter)) << "round " << round;
        lastSeen = std::stol(*counter);
    }
    EXPECT_GT(lastSeen, 0);
}

TEST(IniWriterSafetyTest, TwoWritersAtOnceLoseNoKey) {
    TemporaryFolder folder;
    const auto path = folder / "Calendar.ini";
    constexpr int keysPerWriter = 500;
    const pid_t first =
        startWriter({path.string(), "Notes", "first", std::to_string(keysPerWriter)});
    const pid_t second =
        startWriter({path.string(), "Notes", "second", std::to_string(keysPerWriter)});
    EXPECT_EQ(waitFor(first), 0);
    EXPECT_EQ(waitFor(second), 0);

    const cls_IniFile ini = iniFileAt(path.string());
    int missing = 0;
    for (int i = 0; i < keysPerWriter; ++i) {
        for (const char *prefix : {"first", "second"}) {
            if (ini.GetDataStr("Notes", prefix + std::to_string(i)) != "value " + std::to_string(i))
                ++missing;
        }
    }
    EXPECT_EQ(missing, 0);
}

} // namespace
