#include "OpenFailure.h"

OpenFailure explainFailure(const LaunchAction &action, OpenFailure reported) {
    if (action.finding == FileFinding::Missing)
        return {OpenProblem::FileMissing, {}};
    if (action.finding == FileFinding::WindowsProgram &&
        reported.problem == OpenProblem::NoProgramForFile)
        return {OpenProblem::WindowsProgram, {}};
    return reported;
}
