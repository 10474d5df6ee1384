#include "PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(int index, QWidget *parent) : QAbstractButton(parent), m_index(index) {
    setObjectName(QStringLiteral("imgBotton"));
    // Image controls take no keyboard focus; the launcher window is worked by mouse.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void PictureButton::setPictures(const QPixmap &normal, const QPixmap &hover) {
    m_normal = normal;
    m_hover = hover;
    showSize();
}

void PictureButton::setLit(bool lit) {
    m_lit = lit;
    showSize();
}

// The button takes the size of the picture it shows, as an image control does.
void PictureButton::showSize() {
    resize(picture().deviceIndependentSize().toSize());
    update();
}

void PictureButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
}

// Every movement over the button is reported, pressed or not, and goes no
// further, so that the window under it does not take it for a movement off
// the buttons. A press still clicks only when it is released over the button.
void PictureButton::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    emit mouseMoved(m_index);
}

// The second press of a double click reaches the button as a press and then as
// a double click, and the release after it would make a second click: one
// double click would start its target twice. A double click is no click of its
// own, so the button is let up without one.
void PictureButton::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
    setDown(false);
}
