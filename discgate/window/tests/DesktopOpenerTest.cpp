#include "DesktopOpener.h"

#include "TemporaryFolder.h"

#include <QtTest>
#include <optional>

constexpr int started = -1;

// The real opener on a desktop without a single application: every XDG folder
// of the test points at an empty one, so GIO finds no handler for anything.
class DesktopOpenerTest : public QObject {
    Q_OBJECT

    // Made when the tests start, as the listing of the test functions at build
    // time ends the program before any destructor runs.
    std::optional<TemporaryFolder> m_medium;

private slots:
    void initTestCase() { m_medium.emplace(); }

    void answersOnceWithWhatWentWrong_data() {
        QTest::addColumn<LaunchAction>("action");
        QTest::addColumn<int>("answerWaitMs");
        QTest::addColumn<int>("problem");
        const auto row = [this](const char *name, std::string content, int problem,
                                int answerWaitMs = 15000) {
            const std::filesystem::path path = *m_medium / name;
            if (!content.empty()) {
                writeBytes(path, content);
                std::filesystem::permissions(path, std::filesystem::perms::owner_exec,
                                             std::filesystem::perm_options::add);
            }
            QTest::newRow(name) << *decideLaunch(path.string(), m_medium->path()) << answerWaitMs
                                << problem;
        };
        row("readme.txt", "Read me.\n", int(OpenProblem::NoProgramForFile));
        row("gone.txt", "", int(OpenProblem::FileMissing));
        // A desktop that does not answer in time has the start in hand.
        row("gone.pdf", "", started, 0);
        row("SETUP.EXE", "?", int(OpenProblem::WindowsProgram));
        row("install", "MZ\x90", int(OpenProblem::WindowsProgram));
        row("broken", "\177ELF, nothing that runs", int(OpenProblem::System));
        row("start.sh", "#!/bin/sh\n", started);
        QTest::newRow("address") << LaunchAction{LaunchKind::OpenUrl, "https://example.com/a b"}
                                 << 15000 << int(OpenProblem::NoProgramForAddress);
    }

    // GIO answers from the event loop, so the window goes on meanwhile; a
    // program starts, or fails, at once. Nothing comes after the one answer.
    void answersOnceWithWhatWentWrong() {
        QFETCH(LaunchAction, action);
        QFETCH(int, answerWaitMs);
        QFETCH(int, problem);
        DesktopOpener opener{std::chrono::milliseconds(answerWaitMs)};
        int answers = 0;
        std::optional<OpenFailure> failure;
        opener.open(action, [&](Result<void, OpenFailure> answer) {
            ++answers;
            if (!answer)
                failure = answer.error();
        });
        QCOMPARE(answers, action.kind == LaunchKind::RunProgram ? 1 : 0);
        // A busy machine may keep GIO's threads waiting.
        QTRY_COMPARE_WITH_TIMEOUT(answers, 1, 30000);
        QTest::qWait(100);
        QCOMPARE(answers, 1);
        QCOMPARE(failure ? int(failure->problem) : started, problem);
        QCOMPARE(failure && !failure->systemText.empty(), problem == int(OpenProblem::System));
    }
};

QTEST_MAIN(DesktopOpenerTest)
#include "DesktopOpenerTest.moc"
