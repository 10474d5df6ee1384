#pragma once

#include <QAccessible>
#include <QString>

// Makes `Interface` the accessible face of every `Widget`, in place of the
// interface of the Qt class it derives from. Call it once, from a
// Q_COREAPP_STARTUP_FUNCTION beside the widget, so that the interface is there
// whenever the widget is.
template <typename Widget, typename Interface> void installAccessibleInterface() {
    QAccessible::installFactory(
        [](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className != QLatin1String(Widget::staticMetaObject.className()))
                return nullptr;
            return new Interface(static_cast<Widget *>(object));
        });
}
