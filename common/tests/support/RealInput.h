#pragma once

#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Real X input for tests that run under scripts/with-desktop.sh: xdotool sends
// the events through the X server (XTest), so keys carry the text that X gives
// them and clicks reach the window through the window manager, exactly as a
// user's do. Each call waits until the events have been handled.
namespace RealInput {

inline void xdotool(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(5000);
    // X delivers the events to our connection; let Qt read and handle them.
    QTest::qWait(150);
}

// Clicks `count` times (2 for a double click) at `local`, in the widget's own
// coordinates; the widget's centre when none is given.
inline void click(QWidget *widget, QPoint local = QPoint(-1, -1), int count = 1) {
    const QPoint point =
        widget->mapToGlobal(local == QPoint(-1, -1) ? widget->rect().center() : local);
    // No --sync: it waits for the pointer to move, which it never does when
    // it stands at the point already. The server handles the events in order.
    xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
             QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
             QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
}

// Moves the pointer onto `local` in the widget's coordinates, without a click.
inline void moveTo(QWidget *widget, QPoint local) {
    const QPoint point = widget->mapToGlobal(local);
    xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
}

// Presses keys by their X names, as "Delete", "BackSpace", "Home", "Tab",
// "shift+Return", to the window that has the keyboard focus.
inline void key(const QString &keys) {
    xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40"), keys});
}

// Types text as a user types it, one key at a time.
inline void type(const QString &text) {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

// The window that has the keyboard focus of the X server.
inline WId focusedWindow() {
    QProcess process;
    process.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
    process.waitForFinished(5000);
    return process.readAllStandardOutput().trimmed().toULongLong();
}

// Waits until keys reach `window`. Qt calls a dialog active as soon as it is
// shown over an active window of its own, before the window manager has
// given it the X focus, and keys sent meanwhile go to the window below it; on
// a busy machine that takes seconds.
inline bool waitForKeys(QWidget *window) {
    return QTest::qWaitForWindowActive(window) &&
           QTest::qWaitFor([window] { return focusedWindow() == window->winId(); }, 10000);
}

// Shows the window and waits until the window manager has made it active and
// Qt knows where it was put: clicks are aimed through mapToGlobal, which may
// still place the window at the screen's corner for a while after it is
// shown. A stale position is asked for again by moving the window onto its
// own place.
inline void showActive(QWidget *window) {
    window->show();
    const auto placed = [window] {
        return window->isActiveWindow() &&
               window->mapToGlobal(QPoint(0, 0)) == window->geometry().topLeft();
    };
    for (int attempt = 0; attempt < 10 && !placed(); ++attempt) {
        window->activateWindow();
        if (QTest::qWaitForWindowActive(window) && QTest::qWaitFor(placed, 3000))
            break;
        window->move(window->pos());
    }
    QVERIFY2(placed(), "The window manager did not show the window where Qt placed it.");
}

} // namespace RealInput
