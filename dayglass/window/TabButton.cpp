#include "TabButton.h"

#include <QPainter>
#include <QPolygonF>

namespace {

constexpr qreal bevelWidth = 2;
const QColor bevelShadow(0xa0, 0xa0, 0xa0);
const QColor bevelLight = bevelShadow.lighter();
const QColor raisedFace = Qt::black;
const QColor sunkenFace(0x20, 0x20, 0x20);

// The four sides of the bevel meet in mitred corners, drawn antialiased in the
// order bottom, right, left, top, each over the sides drawn before it.
void drawBevel(QPainter &painter, const QRectF &box, bool sunken) {
    const QColor &topLeft = sunken ? bevelShadow : bevelLight;
    const QColor &bottomRight = sunken ? bevelLight : bevelShadow;
    const qreal left = box.left(), top = box.top(), right = box.right(), bottom = box.bottom(),
                w = bevelWidth;
    const auto side = [&painter](const QColor &colour, const QPolygonF &corners) {
        painter.setBrush(colour);
        painter.drawConvexPolygon(corners);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    side(bottomRight,
         {{left + w, bottom - w}, {left, bottom}, {right, bottom}, {right - w, bottom - w}});
    side(bottomRight,
         {{right - w, top + w}, {right - w, bottom - w}, {right, bottom}, {right, top}});
    side(topLeft, {{left, top}, {left, bottom}, {left + w, bottom - w}, {left + w, top + w}});
    side(topLeft, {{left, top}, {left + w, top + w}, {right - w, top + w}, {right, top}});
    painter.restore();
}

} // namespace

void TabButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const bool sunken = isChecked();
    painter.fillRect(rect(), sunken ? sunkenFace : raisedFace);
    drawBevel(painter, rect(), sunken);
    painter.setPen(Qt::white);
    const int inset = static_cast<int>(bevelWidth);
    painter.drawText(rect().adjusted(inset, inset, -inset, -inset), Qt::AlignCenter, text());
}
