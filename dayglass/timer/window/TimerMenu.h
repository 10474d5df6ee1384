#pragma once

#include <QMenu>
#include <array>
#include <chrono>

class LoginStart;

// The TIMER page's context menu: the count-down in the tray, the warning
// before the end and the start at login. It shows the choices it is handed
// and tells what the user chose.
class TimerMenu : public QMenu {
    Q_OBJECT
public:
    TimerMenu(LoginStart *loginStart, QWidget *parent);

    // Shows the menu at `position` (global) with the choices as they stand.
    // Without a tray on the desktop the tray's item cannot be chosen and says
    // why.
    void popUpAt(QPoint position, bool trayOn, bool trayAvailable, std::chrono::minutes lead);

signals:
    void trayChosen(bool on);
    void warningLeadChosen(std::chrono::minutes lead);

private:
    LoginStart *const m_loginStart;
    QAction *const m_tray;
    std::array<QAction *, 5> m_leads{};
};
