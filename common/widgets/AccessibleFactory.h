#pragma once

#include <QAccessible>
#include <QString>

// Makes `Interface` the accessible face of every `Widget`, in place of the
// interface of the Qt class it derives from. Installing a factory changes the
// whole process, so the program's main calls it once, before the first such
// widget is made.
template <typename Widget, typename Interface> void installAccessibleInterface() {
    QAccessible::installFactory(
        [](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className != QLatin1String(Widget::staticMetaObject.className()))
                return nullptr;
            return new Interface(static_cast<Widget *>(object));
        });
}
