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

void PictureButton::setPicture(const QPixmap &picture) {
    m_picture = picture;
    resize(picture.deviceIndependentSize().toSize());
    update();
}

void PictureButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
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
