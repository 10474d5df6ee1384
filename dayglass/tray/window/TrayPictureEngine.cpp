#include "TrayPictureEngine.h"

#include "QtColors.h"

#include <QPainter>
#include <algorithm>

void TrayPictureEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) {
    // In device pixels, so that the outline is a whole pixel on any screen.
    const qreal ratio = painter->device()->devicePixelRatioF();
    const int side = static_cast<int>(std::min(rect.width(), rect.height()) * ratio);
    const int outline = std::max(1, side / 16);
    const int width = std::max(2 * outline + 2, side / 2);
    const QRect bar((side - width) / 2, 0, width, side);
    const QRect inside = bar.adjusted(outline, outline, -outline, -outline);
    const int filled = m_picture.filledPercent * inside.height() / 100;
    const QColor colour = toQColor(m_picture.colour);

    painter->save();
    painter->translate(rect.topLeft());
    painter->scale(1 / ratio, 1 / ratio);
    painter->fillRect(bar, colour);
    painter->fillRect(inside, Qt::black);
    painter->fillRect(inside.adjusted(0, inside.height() - filled, 0, 0), colour);
    painter->restore();
}

QPixmap TrayPictureEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(&painter, picture.rect(), mode, state);
    return picture;
}
