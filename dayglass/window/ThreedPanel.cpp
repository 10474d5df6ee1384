#include "ThreedPanel.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace {

constexpr int bevelWidth = 2;

} // namespace

ThreedPanel::ThreedPanel(const QString &caption, QWidget *parent) : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    // The panel is coloured as a label is, through the window's roles.
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
}

// The bevel is drawn as the style draws a raised or sunken frame panel, and the
// caption as it draws a label's text inside that frame.
void ThreedPanel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.frameShape = QFrame::Panel;
    frame.lineWidth = bevelWidth;
    frame.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, this);
    const QRect inside = rect().adjusted(bevelWidth, bevelWidth, -bevelWidth, -bevelWidth);
    style()->drawItemText(&painter, inside, Qt::AlignCenter, palette(), isEnabled(), text(),
                          foregroundRole());
}
