#include "LineControl.h"

#include "Twips.h"

#include <QPainter>

LineControl::LineControl(QPoint fromTwips, QPoint toTwips, QWidget *parent) : QWidget(parent) {
    const QPoint from(twipsToPixels(fromTwips.x()), twipsToPixels(fromTwips.y()));
    const QPoint to(twipsToPixels(toTwips.x()), twipsToPixels(toTwips.y()));
    const QRect bounds = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
    setGeometry(bounds);
    m_line = QLine(from - bounds.topLeft(), to - bounds.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setLineColor(const QColor &color) {
    if (std::exchange(m_color, color) != color)
        update();
}

void LineControl::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    // The line runs through the middle of its pixels rather than along their
    // top edge, so that on a scaled screen the pen's full width lies inside
    // the widget instead of half of it above.
    painter.translate(0.5, 0.5);
    painter.drawLine(m_line);
}
