#include "DesktopNotice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>

void sendDesktopNotice(const QString &body, QVariantMap hints) {
    const QString programName = QStringLiteral("dayglass");
    // The name under which the icon is installed in the icon theme.
    const QString iconName = QStringLiteral("dayglass");
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The desktop entry lets the desktop show the notice under the program's
    // menu entry, with its name and icon.
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral(DAYGLASS_APP_ID));
    //: The title of the program's notices: its name.
    notify << programName << uint(0) << iconName
           << QCoreApplication::translate("DesktopNotice", "dayglass") << body << QStringList()
           << hints << int(-1);
    // The reply, an id or an error when there is no bus or nobody serves
    // notices, is not awaited: the tick goes on at once, and a desktop
    // without the service has the page and the window.
    QDBusConnection::sessionBus().asyncCall(notify);
}
