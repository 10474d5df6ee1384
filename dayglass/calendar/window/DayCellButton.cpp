#include "DayCellButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// The two-pixel bevel of a Windows push button, drawn as qDrawWinButton draws
// it but with lines one logical pixel wide: Qt's are one device pixel wide,
// which would leave the cells' edges half as strong on a scaled screen.
void drawBevel(QPainter &painter, const QRect &area, const QPalette &colours, bool sunken) {
    // The bottom and right edges of a ring are drawn over its corners.
    const auto ring = [&painter](const QRect &edge, const QColor &topLeft,
                                 const QColor &bottomRight) {
        painter.fillRect(edge.x(), edge.y(), edge.width() - 1, 1, topLeft);
        painter.fillRect(edge.x(), edge.y(), 1, edge.height() - 1, topLeft);
        painter.fillRect(edge.x(), edge.bottom(), edge.width(), 1, bottomRight);
        painter.fillRect(edge.right(), edge.y(), 1, edge.height(), bottomRight);
    };
    const QColor light = colours.color(QPalette::Light);
    const QColor shadow = colours.color(QPalette::Shadow);
    const QColor dark = colours.color(QPalette::Dark);
    const QColor face = colours.color(QPalette::Button);
    ring(area, sunken ? shadow : light, sunken ? light : shadow);
    ring(area.adjusted(1, 1, -1, -1), sunken ? dark : face, sunken ? face : dark);
    painter.fillRect(area.adjusted(2, 2, -2, -2), colours.button());
}

} // namespace

DayCellButton::DayCellButton(QWidget *parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::ButtonText, Qt::white);
    colours.setColor(QPalette::Light, Qt::white);
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

void DayCellButton::setCaptionColor(const QColor &colour) {
    m_captionColour = colour;
    update();
}

bool DayCellButton::event(QEvent *event) {
    // The name is shown without becoming the toolTip property: assistive
    // technology reads that as the description of a day without a note, and
    // would say the name twice.
    if (event->type() == QEvent::ToolTip && m_nameAsToolTip) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), accessibleName(), this);
        return true;
    }
    return QAbstractButton::event(event);
}

void DayCellButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const bool pressed = isChecked() || isDown();
    drawBevel(painter, rect(), palette(), pressed);
    painter.setPen(m_captionColour);
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
