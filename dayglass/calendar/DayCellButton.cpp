#include "DayCellButton.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// The two-pixel bevel of a Windows push button, drawn as qDrawWinButton draws
// it but with lines one logical pixel wide: Qt's are one device pixel wide,
// which would leave the cells' edges half as strong on a scaled screen.
void drawBevel(QPainter &painter, const QRect &area, const QPalette &colours, bool sunken) {
    const QColor outerTopLeft =
        sunken ? colours.color(QPalette::Shadow) : colours.color(QPalette::Light);
    const QColor outerBottomRight =
        sunken ? colours.color(QPalette::Light) : colours.color(QPalette::Shadow);
    const QColor innerTopLeft =
        sunken ? colours.color(QPalette::Dark) : colours.color(QPalette::Button);
    const QColor innerBottomRight =
        sunken ? colours.color(QPalette::Button) : colours.color(QPalette::Dark);
    const int left = area.x();
    const int top = area.y();
    const int width = area.width();
    const int height = area.height();
    painter.fillRect(left, top, width - 1, 1, outerTopLeft);
    painter.fillRect(left, top, 1, height - 1, outerTopLeft);
    painter.fillRect(left, top + height - 1, width, 1, outerBottomRight);
    painter.fillRect(left + width - 1, top, 1, height, outerBottomRight);
    painter.fillRect(left + 1, top + 1, width - 3, 1, innerTopLeft);
    painter.fillRect(left + 1, top + 1, 1, height - 3, innerTopLeft);
    painter.fillRect(left + 1, top + height - 2, width - 2, 1, innerBottomRight);
    painter.fillRect(left + width - 2, top + 1, 1, height - 2, innerBottomRight);
    painter.fillRect(left + 2, top + 2, width - 4, height - 4, colours.button());
}

} // namespace

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
    drawBevel(painter, rect(), palette(), pressed);
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
