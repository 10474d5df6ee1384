#pragma once

#include "MenuSource.h"
#include "Opener.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <string>

class QWidget;

// What the user knows a target by: the name of its file, or the whole address.
QString targetName(const std::string &strExeFile);

// Whether a menu ends once a start has been made or has failed.
enum class AfterStart { Stay, End };

// The menu that starts a target: its window, the folder that holds its
// Autorun.inf, and whether a medium holds it.
struct StartingMenu {
    QWidget *window = nullptr;
    std::filesystem::path root;
    MenuSource source = MenuSource::Medium;
};

// What a menu does around a start.
struct StartSteps {
    // The start is decided on; the desktop may answer at once.
    std::function<void()> starting;
    // The start has been handed on, or its refusal or failure told; not run
    // when the menu's window has gone by then.
    std::function<void()> finished;
};

// Opens a target of Autorun.inf the one way every menu opens one: confined to
// the menu's folder by the rules of decideLaunch, through `opener`. A menu
// from a folder rather than a medium asks before it runs a program; without
// the user's word nothing happens. A refusal or a failed start is told in a
// message box. A start that ends the menu hides the menu at once, as the
// desktop may take seconds to answer; its failure is then told in a message
// on its own.
void startTarget(const StartingMenu &menu, Opener &opener, const std::string &strPath,
                 AfterStart after, const StartSteps &steps);
