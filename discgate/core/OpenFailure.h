#pragma once

#include "LaunchTarget.h"

#include <string>

enum class OpenProblem {
    // The desktop has no program for files of this type.
    NoProgramForFile,
    // The desktop has no program for addresses of this scheme.
    NoProgramForAddress,
    // A Windows program, which this system runs only through a program such
    // as Wine.
    WindowsProgram,
    FileMissing,
    // Anything else, in the words of the system.
    System,
};

// Why a target that the launcher handed to the desktop did not open.
struct OpenFailure {
    OpenProblem problem = OpenProblem::System;
    // The system's own explanation, for OpenProblem::System.
    std::string systemText;

    bool operator==(const OpenFailure &) const = default;
};

// The failure as the user should hear it, from what the decision found at the
// target: a file that was missing is missing whatever the desktop said, and a
// Windows program that nothing opens needs Wine rather than a program for its
// type.
OpenFailure explainFailure(const LaunchAction &action, OpenFailure reported);
