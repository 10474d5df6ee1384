#include "LineControl.h"

#include "Twips.h"

#include <QPainter>

LineControl::LineControl(QPoint fromTwips, QPoint toTwips, QWidget *parent) : QWidget(parent) {
    const QPoint from = twipsPoint(fromTwips.x(), fromTwips.y());
    const QPoint to = twipsPoint(toTwips.x(), toTwips.y());
    const QRect bounds = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
    setGeometry(bounds);
    m_line = QLine(from - bounds.topLeft(), to - bounds.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setLineColor(const QColor &color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void LineControl::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    painter.drawLine(m_line);
}
