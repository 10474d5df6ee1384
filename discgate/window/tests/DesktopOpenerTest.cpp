#include "DesktopOpener.h"

#include "TemporaryFolder.h"

#include <QtTest>

Q_DECLARE_METATYPE(LaunchAction)

namespace {

// A desktop that a test runs on must not answer slowly, but a busy machine may
// keep GIO's threads waiting.
constexpr int answerTimeoutMs = 30000;

const std::string brokenProgram = "\x7F"
                                  "ELF but nothing that runs";

// What an opener answered, and how often.
struct Answers {
    int count = 0;
    std::optional<OpenFailure> last;

    Opener::Answer recorder() {
        return [this](std::optional<OpenFailure> failure) {
            ++count;
            last = std::move(failure);
        };
    }
};

} // namespace

// The real opener on a desktop without a single application: the test runs
// with every XDG folder pointing at an empty one, so GIO finds no handler for
// any file or address.
class DesktopOpenerTest : public QObject {
    Q_OBJECT

private:
    TemporaryFolder m_medium;

    LaunchAction onMedium(LaunchKind kind, const std::string &name) const {
        return {kind, (m_medium / name).string()};
    }

private slots:
    void initTestCase() {
        writeBytes(m_medium / "readme.txt", "Read me.\n");
        writeBytes(m_medium / "setup.exe", "MZ\x90");
        writeBytes(m_medium / "tool", brokenProgram);
        writeBytes(m_medium / "start.sh", "#!/bin/sh\nexit 0\n");
        for (const char *program : {"tool", "start.sh"})
            std::filesystem::permissions(m_medium / program, std::filesystem::perms::owner_exec,
                                         std::filesystem::perm_options::add);
    }

    void answersOnceWithWhatWentWrong_data() {
        QTest::addColumn<LaunchAction>("action");
        QTest::addColumn<int>("problem");
        QTest::addColumn<bool>("answersLater");
        constexpr int started = -1;
        const auto row = [](const char *name, LaunchAction action, int problem, bool later) {
            QTest::newRow(name) << action << problem << later;
        };
        const auto file = [this](const std::string &name) {
            return onMedium(LaunchKind::OpenFile, name);
        };
        row("document", file("readme.txt"), int(OpenProblem::NoProgramForFile), true);
        row("missing file", file("gone.txt"), int(OpenProblem::FileMissing), true);
        row("Windows program", file("setup.exe"), int(OpenProblem::WindowsProgram), true);
        row("address", {LaunchKind::OpenUrl, "https://example.com/a b"},
            int(OpenProblem::NoProgramForAddress), true);
        row("program that does not run", onMedium(LaunchKind::RunProgram, "tool"),
            int(OpenProblem::System), false);
        row("program", onMedium(LaunchKind::RunProgram, "start.sh"), started, false);
    }

    // GIO answers from the event loop, so the window goes on meanwhile; a
    // program starts at once.
    void answersOnceWithWhatWentWrong() {
        QFETCH(LaunchAction, action);
        QFETCH(int, problem);
        QFETCH(bool, answersLater);
        DesktopOpener opener;
        Answers answers;
        opener.open(action, answers.recorder());
        QCOMPARE(answers.count, answersLater ? 0 : 1);
        QTRY_COMPARE_WITH_TIMEOUT(answers.count, 1, answerTimeoutMs);
        QCOMPARE(answers.last ? int(answers.last->problem) : -1, problem);
        if (problem == int(OpenProblem::System))
            QVERIFY(!answers.last->systemText.empty());
        // Nothing more comes once GIO has finished.
        QTest::qWait(100);
        QCOMPARE(answers.count, 1);
    }

    // A desktop that keeps the launcher waiting past its time is taken to
    // have the start in hand; what GIO says later is not heard twice.
    void givesUpWaitingWithoutAFailure() {
        DesktopOpener opener(std::chrono::milliseconds(0));
        Answers answers;
        opener.open(onMedium(LaunchKind::OpenFile, "gone.txt"), answers.recorder());
        QTRY_COMPARE_WITH_TIMEOUT(answers.count, 1, answerTimeoutMs);
        QCOMPARE(answers.last, std::nullopt);
        QTest::qWait(100);
        QCOMPARE(answers.count, 1);
    }
};

QTEST_MAIN(DesktopOpenerTest)
#include "DesktopOpenerTest.moc"
