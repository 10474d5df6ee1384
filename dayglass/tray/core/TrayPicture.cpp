#include "TrayPicture.h"

#include "BarPlacement.h"

TrayPicture trayPictureFor(const Countdown &countdown) {
    switch (countdown.state) {
    case CountdownState::Unusable:
        return {};
    case CountdownState::Ended:
        return {TrayPictureKind::Bar, oleRed, 100};
    case CountdownState::Running:
        break;
    }
    // A running period's share lies between 0 and 100 %, which has a colour.
    const int percent = countdown.barPercent;
    return {TrayPictureKind::Bar, barPlacementFor(percent).colour.value_or(oleRed), percent};
}
