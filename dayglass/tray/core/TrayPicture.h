#pragma once

#include "Countdown.h"
#include "OleColor.h"

enum class TrayPictureKind {
    ProgramIcon, // Data.ini holds no period
    Bar,
};

// What the tray icon shows of one tick: the bar of the page, outlined and
// filled from below to the share still to run, both in the bar's colour, so
// that every step of the share shows in the outline even where the filling
// is too small to move by a pixel; after the end the whole bar in red. Two
// pictures that compare equal are drawn alike, and two that differ differ in
// the outline's colour or in the filling, so the icon is drawn again exactly
// when this value changes.
struct TrayPicture {
    TrayPictureKind kind = TrayPictureKind::ProgramIcon;
    OleColor colour = oleBlack;
    int filledPercent = 0;

    bool operator==(const TrayPicture &) const = default;
};

TrayPicture trayPictureFor(const Countdown &countdown);
