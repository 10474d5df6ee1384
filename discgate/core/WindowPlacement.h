#pragma once

#include "LauncherDescription.h"
#include "PixelGeometry.h"

// The launcher window's outer rectangle in pixels. A centred edge is centred
// on `screen`, the primary screen's rectangle on the desktop; other edges are
// positions on the desktop. A negative size from the file gives an empty
// window instead of an invalid one.
PixelRect launcherWindowRect(const LauncherDescription &description, const PixelRect &screen);

// The width of the fixed dialog frame on each side of the launcher window. The
// window's outer size from Autorun.inf includes it, so media authors drew
// their backgrounds for the client area inside it.
inline constexpr std::int32_t dialogFrameWidth = 3;

// The client area inside the frame of a window of `outerWidth` × `outerHeight`
// pixels, in the window's own coordinates; empty, never negative, for a window
// smaller than its frame.
PixelRect clientAreaRect(std::int32_t outerWidth, std::int32_t outerHeight);
