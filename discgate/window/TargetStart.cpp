#include "TargetStart.h"

#include "LaunchTarget.h"
#include "LauncherMessages.h"
#include "MessageBoxes.h"
#include "QtPaths.h"

#include <QPointer>
#include <QWidget>

QString targetName(const std::string &strExeFile) {
    if (isAddress(strExeFile))
        return QString::fromStdString(strExeFile);
    std::filesystem::path target(strExeFile);
    if (!target.has_filename())
        target = target.parent_path();
    return qtPath(target.filename());
}

// A start that fails, or a target that the medium's rules refuse, is told
// before anything else happens, so that the user learns why nothing came up.
void startTarget(QWidget *window, const std::filesystem::path &mediumRoot, Opener &opener,
                 const std::string &strPath, const std::function<void()> &afterwards) {
    const LaunchDecision decision = decideLaunch(strPath, mediumRoot);
    if (const auto *refusal = std::get_if<LaunchRefusal>(&decision)) {
        MessageBoxes::inform(
            window, QStringLiteral("discgate"),
            LauncherMessages::launchRefusal(*refusal, QString::fromStdString(strPath)));
        afterwards();
        return;
    }
    opener.open(std::get<LaunchAction>(decision),
                [window = QPointer(window), name = targetName(strPath),
                 afterwards](std::optional<OpenFailure> failure) {
                    if (!window)
                        return;
                    if (failure)
                        MessageBoxes::inform(window, QStringLiteral("discgate"),
                                             LauncherMessages::openFailure(name, *failure));
                    afterwards();
                });
}
