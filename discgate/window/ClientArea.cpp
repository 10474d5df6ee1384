#include "ClientArea.h"

#include <QPainter>

ClientArea::ClientArea(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("clientArea"));
    setMouseTracking(true);
}

void ClientArea::setBackground(const QPixmap &background) {
    m_background = background;
    update();
}

void ClientArea::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, m_background);
}

void ClientArea::mouseMoveEvent(QMouseEvent *) {
    emit mouseMoved();
}
