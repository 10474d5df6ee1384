#include "DayCellButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

DayCellButton::DayCellButton(QWidget *parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::ButtonText, Qt::white);
    colours.setColor(QPalette::Light, Qt::white);
    colours.setColor(QPalette::Midlight, QColor(0xC0, 0xC0, 0xC0));
    colours.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    colours.setColor(QPalette::Shadow, Qt::black);
    setPalette(colours);
    setBackColor(Qt::black);
}

void DayCellButton::setBackColor(const QColor &colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Button, colour);
    setPalette(colours);
}

void DayCellButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const bool pressed = isChecked() || isDown();
    const QBrush background = palette().button();
    qDrawWinButton(&painter, rect(), palette(), pressed, &background);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    // A pressed button's caption moves down and right with its face.
    const QRect captionArea = pressed ? rect().translated(1, 1) : rect();
    painter.drawText(captionArea, Qt::AlignCenter, text());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void DayCellButton::focusInEvent(QFocusEvent *event) {
    QAbstractButton::focusInEvent(event);
    emit gotFocus();
}

void DayCellButton::keyPressEvent(QKeyEvent *event) {
    emit keyDown(event->key(), event->modifiers());
    QAbstractButton::keyPressEvent(event);
}

void DayCellButton::mouseDoubleClickEvent(QMouseEvent *event) {
    // The first click has already selected the cell; the second press does not
    // press the button again, so that no half-finished click stays behind the
    // editor that the page opens now.
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit doubleClicked();
}

void DayCellButton::nextCheckState() {
    setChecked(true);
}
