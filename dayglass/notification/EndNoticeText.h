#pragma once

#include "Clock.h"

#include <string>

// The text of the desktop's notice that the period has ended, in UTF-8, with
// the moment of the end to the second: "設定した期間が終了しました
// （2006/03/05 09:00:00）". It names the moment the count-down counted to,
// so a stored day past the month's end shows the day it rolled over to.
std::string endNoticeBody(LocalSeconds end);
