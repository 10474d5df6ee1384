#include "PictureButton.h"

#include "AccessibleButton.h"
#include "AccessibleFactory.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

// A picture button is read as a button under its accessible name, which the
// window gives it, and can be pressed like a click.
class PictureButtonAccessible : public AccessibleButton {
public:
    explicit PictureButtonAccessible(PictureButton *button)
        : AccessibleButton(button, [button] { emit button->clicked(button->index()); }) {}
};

void installPictureButtonAccessible() {
    installAccessibleInterface<PictureButton, PictureButtonAccessible>();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installPictureButtonAccessible)

PictureButton::PictureButton(int index, QWidget *parent) : QWidget(parent), m_index(index) {
    setObjectName(QStringLiteral("imgBotton"));
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

void PictureButton::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    emit mouseMoved(m_index);
}

void PictureButton::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton;
}

// A click is a press and a release of the left button both on the button, so
// that the user can still back out by moving away before letting go.
void PictureButton::mouseReleaseEvent(QMouseEvent *event) {
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked(m_index);
}

// The second press of a double click reaches the button as a press and then as
// a double click, and the release after it would make a second click: one
// double click would start its target twice. A double click is no click of its
// own, so its release is left without one.
void PictureButton::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
    m_pressed = false;
}
