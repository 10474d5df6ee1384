#pragma once

#include "LaunchTarget.h"
#include "LoadError.h"
#include "PeResources.h"
#include "Result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

// The author's check of a medium's Autorun.inf: everything the menu would
// refuse, and what it would do wrong without a word, found without a window
// and without opening or running any target.

// What a check finds beyond the menus' own refusals.
enum class AuthoringProblem {
    // "Num" counts a [BtnK] section that the file lacks.
    ButtonSectionMissing,
    // A [BtnK] section beyond "Num", which the menu never reads.
    ButtonSectionNotCounted,
    ButtonOutsideWindow,
    ButtonPartlyOutsideWindow,
    // The button lies over an earlier one, which `detail` names.
    ButtonsOverlap,
    // A target of a button or a choice that is not on the medium.
    TargetMissing,
    // A key that neither menu reads in its section, most often a misspelt
    // one; `detail` names the nearest key that it does read.
    UnknownKey,
};

using CheckProblem = std::variant<AuthoringProblem, LoadProblem, LaunchRefusal, NoProgramIcon>;

struct CheckFinding {
    // The line of Autorun.inf, from 1; 0 for the file as a whole.
    std::size_t line = 0;
    CheckProblem problem;
    // What it concerns, as the file writes it or as the menu resolved it: a
    // picture's path, a target, a key, a section.
    std::string subject;
    // See AuthoringProblem; for a refusal of the menu, its detail.
    std::string detail;

    bool operator==(const CheckFinding &) const = default;
};

// The size of the picture at `path` as the menu would show it, or why it
// would not be shown: the menu's own picture loader, with one budget for the
// whole medium.
struct PictureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};
using PictureSizes = std::function<Result<PictureSize, LoadError>(const std::string &path)>;

// Every finding for the Autorun.inf of the medium whose root is `mediumRoot`,
// in the order of its lines, each once.
std::vector<CheckFinding> checkMenu(const std::filesystem::path &mediumRoot,
                                    const PictureSizes &pictureSizes);

// The key of `known` nearest to `key` in letters, letter case aside.
std::string nearestKey(std::string_view key, const std::vector<std::string_view> &known);
