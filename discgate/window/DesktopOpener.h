#pragma once

#include "Opener.h"

// Opens targets through the desktop: addresses and documents with the user's
// chosen applications, programs as detached processes. No target ever passes
// through a shell, so blanks, quotes or "$(...)" in a name open exactly that
// file or nothing.
class DesktopOpener : public Opener {
public:
    void open(const LaunchAction &action) override;
};
