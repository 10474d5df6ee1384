#pragma once

#include "Opener.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <string>

class QWidget;

// What the user knows a target by: the name of its file, or the whole address.
QString targetName(const std::string &strExeFile);

// Opens a target of Autorun.inf the one way every menu opens one: confined to
// the medium whose root is `mediumRoot`, by the rules of decideLaunch, through
// `opener`. A refusal or a failed start is told in a message box over
// `window`; `afterwards` runs once the start has been handed on or told,
// unless `window` has gone by then.
void startTarget(QWidget *window, const std::filesystem::path &mediumRoot, Opener &opener,
                 const std::string &strPath, const std::function<void()> &afterwards);
