#pragma once

#include "Clock.h"

#include <string>

// The moment the period ended, to the second, as the desktop's notice names
// it: "2006/03/05 09:00:00". It is the moment the count-down counted to, so a
// stored day past the month's end shows the day it rolled over to.
std::string endMomentText(LocalSeconds end);
