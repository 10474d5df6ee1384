#include "TargetStart.h"

#include "FileAddress.h"
#include "LaunchTarget.h"
#include "LauncherMessages.h"
#include "MessageBoxes.h"
#include "QtPaths.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace {

// On Windows a menu runs programs only from a medium's root. A folder may be
// an archive from the Internet whose script keeps its execute bit, so there
// every program waits for the user's word, whatever the menu asks itself.
bool mayStart(const StartingMenu &menu, const LaunchAction &action) {
    if (menu.source == MenuSource::Medium || !action.startsProgram())
        return true;
    const std::filesystem::path target(action.target);
    return MessageBoxes::askYesNo(menu.window, QGuiApplication::applicationDisplayName(),
                                  LauncherMessages::folderProgramQuestion(
                                      qtPath(target.filename()), qtPath(target.parent_path())),
                                  MessageBoxes::DefaultAnswer::No);
}

// The window over which the message of a failed start comes: none, once the
// menu has gone.
QWidget *messageParentFor(QWidget *window, AfterStart after) {
    return after == AfterStart::End ? nullptr : window;
}

} // namespace

QString targetName(const std::string &strExeFile) {
    if (isAddress(strExeFile))
        return QString::fromStdString(strExeFile);
    std::filesystem::path target(strExeFile);
    if (!target.has_filename())
        target = target.parent_path();
    return qtPath(target.filename());
}

// A start that fails, or a target that the medium's rules refuse, is told
// before the menu ends, so that the user learns why nothing came up.
void startTarget(const StartingMenu &menu, Opener &opener, const std::string &strPath,
                 AfterStart after, const StartSteps &steps) {
    const LaunchDecision decision = decideLaunch(strPath, menu.root);
    if (decision && !mayStart(menu, *decision))
        return;
    steps.starting();
    if (after == AfterStart::End)
        menu.window->hide();
    if (!decision) {
        MessageBoxes::inform(
            messageParentFor(menu.window, after), QGuiApplication::applicationDisplayName(),
            LauncherMessages::launchRefusal(decision.error(), QString::fromStdString(strPath)));
        steps.finished();
        return;
    }
    opener.open(*decision, [window = QPointer(menu.window), name = targetName(strPath), after,
                            finished = steps.finished](Result<void, OpenFailure> outcome) {
        if (!window)
            return;
        if (!outcome)
            MessageBoxes::inform(messageParentFor(window, after),
                                 QGuiApplication::applicationDisplayName(),
                                 LauncherMessages::openFailure(name, outcome.error()));
        finished();
    });
}
