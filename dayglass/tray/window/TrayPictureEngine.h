#pragma once

#include "TrayPicture.h"

#include <QIconEngine>

// Draws a bar picture of the tray icon at whatever size the tray asks for:
// the bar upright in the middle of the square, half as wide as it is high,
// outlined in its colour and filled from below to its share in that colour,
// the rest of its inside black.
class TrayPictureEngine : public QIconEngine {
public:
    explicit TrayPictureEngine(const TrayPicture &picture) : m_picture(picture) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    // Clear around the bar: a new pixmap holds whatever its memory held.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override { return new TrayPictureEngine(m_picture); }
    bool isNull() override { return false; }

private:
    const TrayPicture m_picture;
};
