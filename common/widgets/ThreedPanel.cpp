#include "ThreedPanel.h"

#include "AccessibleButton.h"
#include "AccessibleFactory.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

// A panel that acts as a button is read as a button named by its caption.
class ThreedPanelAccessible : public AccessibleButton {
public:
    explicit ThreedPanelAccessible(ThreedPanel *panel)
        : AccessibleButton(panel, [panel] { emit panel->clicked(); }) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const ThreedPanel *>(widget())->text();
        return AccessibleButton::text(which);
    }
};

void installThreedPanelAccessible() {
    installAccessibleInterface<ThreedPanel, ThreedPanelAccessible>();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installThreedPanelAccessible)

ThreedPanel::ThreedPanel(const QString &caption, QWidget *parent) : QLabel(caption, parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setColors(Qt::white, Qt::black);
}

void ThreedPanel::setColors(const QColor &text, const QColor &background) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, text);
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
}

void ThreedPanel::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    setFrameShadow(QFrame::Sunken);
}

void ThreedPanel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    setFrameShadow(QFrame::Raised);
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
