#pragma once

#include "LaunchTarget.h"
#include "LoadError.h"
#include "OpenFailure.h"

#include <QCoreApplication>
#include <QString>

// The texts of the launcher's message boxes. The limits, picture formats and
// address schemes they name are those that the core keeps, so that a message
// never tells of others.
class LauncherMessages {
    Q_DECLARE_TR_FUNCTIONS(LauncherMessages)

public:
    // Why the window cannot be built, before the program ends.
    static QString loadError(const LoadError &error);

    // That `targetName` did not open, and why.
    static QString openFailure(const QString &targetName, const OpenFailure &failure);

    // Why `target` was not opened at all.
    static QString launchRefusal(LaunchRefusal refusal, const QString &target);

    // Whether to run the program `name` in `folder`, from a menu that came
    // from a folder rather than a medium.
    static QString folderProgramQuestion(const QString &name, const QString &folder);
};
