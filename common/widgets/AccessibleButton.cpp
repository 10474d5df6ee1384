#include "AccessibleButton.h"

#include <QWidget>

AccessibleButton::AccessibleButton(QWidget *widget, std::function<void()> press)
    : QAccessibleWidget(widget, QAccessible::Button), m_press(std::move(press)) {}

QStringList AccessibleButton::actionNames() const {
    return {pressAction()};
}

void AccessibleButton::doAction(const QString &actionName) {
    if (actionName == pressAction() && widget()->isEnabled())
        QMetaObject::invokeMethod(widget(), m_press, Qt::QueuedConnection);
}

QStringList AccessibleButton::keyBindingsForAction(const QString &) const {
    return {};
}
