#pragma once

#include "OleColor.h"

#include <string_view>

// The name of the CSS colour nearest to `colour` (by distance in red, green
// and blue), as calendars take a colour (COLOR of RFC 7986). Of names for the
// same colour ("gray" and "grey", "aqua" and "cyan") the first in the
// alphabet is given.
std::string_view nearestCssColourName(OleColor colour);
