#pragma once

#include "LauncherDescription.h"
#include "PixelGeometry.h"

// The launcher window's outer rectangle in pixels. A centred edge is centred
// on `screen`, the primary screen's rectangle on the desktop; other edges are
// positions on the desktop. A negative size from the file gives an empty
// window instead of an invalid one.
PixelRect launcherWindowRect(const LauncherDescription &description, const PixelRect &screen);
