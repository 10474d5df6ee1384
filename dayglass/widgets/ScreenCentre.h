#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

// Moves a window to the middle of the primary screen: half the screen less
// half the window on each axis. Dialogs call it before they are shown, so that
// the window manager maps them where they stay.
inline void centreOnScreen(QWidget &window) {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), screen->geometry())
                .topLeft());
}
