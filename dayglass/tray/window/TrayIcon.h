#pragma once

#include "Countdown.h"
#include "RemainingTime.h"
#include "TrayPicture.h"

#include <QObject>

class LoginStart;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// The count-down in the desktop's tray (a StatusNotifierItem where the
// desktop runs a watcher of them, the XEmbed tray elsewhere): the bar as its
// picture, the time left and the end in its tooltip, and a menu. It is handed
// each tick's count-down and tells the tray only what changed: a new picture
// when its pixels change, a tooltip when its text does, which is at most once
// a second; a tick that changes nothing costs the desktop nothing.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    // `loginStart` switches the start at login from an item that the icon's
    // menu shares with the TIMER page's.
    TrayIcon(LoginStart *loginStart, QWidget *window);

    // Puts the icon into the tray or takes it away. It goes in once the event
    // loop runs, when the program's own icon, its picture without a period,
    // has been given.
    void setShown(bool shown);
    bool isShown() const { return m_shown; }

    // The end of the period as the TIMER page shows it, for the tooltip.
    void showPeriodEnd(const QString &endCaption);

    // Shows one tick's count-down.
    void showCountdown(const Countdown &countdown);

signals:
    void clicked();
    void showRequested();
    void settingRequested();
    void quitRequested();

private:
    void createIcon();
    void createMenu();
    void update();

    QWidget *const m_window;
    LoginStart *const m_loginStart;
    bool m_shown = false;
    // Null while the icon is not in the tray.
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    Countdown m_countdown;
    QString m_endCaption;
    // What the tray shows, so that only changes are sent.
    std::optional<TrayPicture> m_picture;
    std::optional<RemainingTime> m_remaining;
};
