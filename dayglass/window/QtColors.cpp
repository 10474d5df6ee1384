#include "QtColors.h"

#include <QGuiApplication>
#include <array>

namespace {

struct PaletteColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The scheme's colours that OLE_COLOR names, from &H80000000 on, by what
// the desktop's palette offers for the same purpose.
constexpr std::array<PaletteColour, lastSystemColour - firstSystemColour + 1> systemColours = {{
    {QPalette::Active, QPalette::Midlight},        // scroll bars
    {QPalette::Active, QPalette::Dark},            // desktop
    {QPalette::Active, QPalette::Highlight},       // active title bar
    {QPalette::Inactive, QPalette::Highlight},     // inactive title bar
    {QPalette::Active, QPalette::Window},          // menu bar
    {QPalette::Active, QPalette::Base},            // window background
    {QPalette::Active, QPalette::Shadow},          // window frame
    {QPalette::Active, QPalette::WindowText},      // menu text
    {QPalette::Active, QPalette::Text},            // window text
    {QPalette::Active, QPalette::HighlightedText}, // active title text
    {QPalette::Active, QPalette::Window},          // active border
    {QPalette::Inactive, QPalette::Window},        // inactive border
    {QPalette::Active, QPalette::Mid},             // application workspace
    {QPalette::Active, QPalette::Highlight},       // selected items
    {QPalette::Active, QPalette::HighlightedText}, // text of selected items
    {QPalette::Active, QPalette::Button},          // button face
    {QPalette::Active, QPalette::Dark},            // button shadow
    {QPalette::Disabled, QPalette::Text},          // grey text
    {QPalette::Active, QPalette::ButtonText},      // button text
    {QPalette::Inactive, QPalette::WindowText},    // inactive title text
    {QPalette::Active, QPalette::Light},           // button highlight
    {QPalette::Active, QPalette::Shadow},          // dark shadow of 3D elements
    {QPalette::Active, QPalette::Midlight},        // light of 3D elements
    {QPalette::Active, QPalette::ToolTipText},     // tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // tooltip background
}};

} // namespace

QColor toQColor(OleColor colour) {
    if (isSystemColour(colour)) {
        const PaletteColour &system = systemColours[colour - firstSystemColour];
        return QGuiApplication::palette().color(system.group, system.role);
    }
    return QColor(static_cast<int>(redOf(colour)), static_cast<int>(greenOf(colour)),
                  static_cast<int>(blueOf(colour)));
}
