#pragma once

#include <QAccessibleWidget>

// A top-level window made from a plain QWidget, read as a window (a frame on
// the AT-SPI bus) rather than as an unnamed filler, so that a screen reader
// announces it when it opens.
class AccessibleWindow : public QAccessibleWidget {
public:
    explicit AccessibleWindow(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}
};
