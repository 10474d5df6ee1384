#pragma once

#include <filesystem>

// Writes a Calendar.ini of ten years of notes into `folder`: one section per
// day from 2000 to 2009, each with a two-line Japanese note and a colour, as
// a user who keeps a note every day would have after ten years.
void writeTenYearCalendar(const std::filesystem::path &folder);
