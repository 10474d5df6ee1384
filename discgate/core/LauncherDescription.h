#pragma once

#include "BtnData.h"
#include "LoadError.h"
#include "PixelGeometry.h"
#include "Result.h"

#include <cstdint>
#include <filesystem>
#include <vector>

class cls_IniFile;

enum class Placement { AtPosition, Centred };

// One edge of the launcher window on the screen: a position in twips, or the
// request to centre the window along that axis.
struct ScreenEdge {
    Placement placement = Placement::AtPosition;
    std::int32_t twips = 0;

    bool operator==(const ScreenEdge &) const = default;
};

// Everything the launcher window is built from, as Autorun.inf gives it.
struct LauncherDescription {
    // The outer size of the window.
    std::int32_t widthTwips = 0;
    std::int32_t heightTwips = 0;
    std::string backgroundPath;
    ScreenEdge left;
    ScreenEdge top;
    // One position inside the window per record of BtnList, with the same
    // index: 0 is the close button, k is launch button k.
    std::vector<PixelPoint> buttonPositions;
    std::vector<BtnData> BtnList;

    bool operator==(const LauncherDescription &) const = default;
};

// The largest outer width or height of the window, in pixels.
inline constexpr std::int32_t maximumWindowSide = 16384;

// The most launch buttons a menu may have; "Num" beyond it is refused.
inline constexpr std::int32_t maximumLaunchButtons = 1000;

using DescriptionOrError = Result<LauncherDescription, LoadError>;

// The skinned menu that `ini` describes, the content of the Autorun.inf at
// `file` in `programFolder`. Fails when a window size or screen position times
// 15 does not fit 32 bits, when the window would be larger than
// maximumWindowSide, and when "Num" asks for more than maximumLaunchButtons.
// Pictures are not opened here: that is the window's work. Each folder of the
// medium is listed at most once.
DescriptionOrError launcherDescriptionOf(const cls_IniFile &ini,
                                         const std::filesystem::path &programFolder,
                                         const std::string &file);
