#pragma once

#include <QAccessibleWidget>
#include <functional>

// How assistive technology sees a widget that serves as a push button without
// being a QAbstractButton: a button, named by the widget's accessible name,
// that can be pressed. The press is carried out after the request has
// returned, as with Qt's own buttons, so that a modal dialog opened by the
// click does not hold up the screen reader that asked for it.
class AccessibleButton : public QAccessibleWidget {
public:
    AccessibleButton(QWidget *widget, std::function<void()> press);

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    const std::function<void()> m_press;
};
