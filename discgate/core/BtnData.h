#pragma once

#include <string>

// What Autorun.inf says about one button of the launcher window. Paths are full paths
// on this system, ready to be opened; texts are kept exactly as read.
struct BtnData {
    // What a launch button opens; empty for the close button, which opens nothing.
    std::string strExeFile;
    std::string strDefaultBtn;
    // The hover picture; the normal picture when the file names none.
    std::string strCrossBtn;
    std::string strMessage;
    std::string strTitle;
    // "Yes" ends the launcher after the start; any other text keeps it open.
    std::string strClose;

    bool operator==(const BtnData &) const = default;
};
