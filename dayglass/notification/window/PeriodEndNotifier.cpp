#include "PeriodEndNotifier.h"

#include "EndMoment.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>

namespace {

const QString programName = QStringLiteral("dayglass");
// The name under which the icon is installed in the icon theme.
const QString iconName = QStringLiteral("dayglass");

} // namespace

void PeriodEndNotifier::periodLoaded(const std::optional<Period> &period, LocalSeconds now) {
    m_watch.periodLoaded(period, now);
}

void PeriodEndNotifier::tick(const Countdown &countdown) {
    if (const auto end = m_watch.reachedEnd(countdown)) {
        notifyDesktop(*end);
        emit periodEnded();
    }
}

void PeriodEndNotifier::notifyDesktop(LocalSeconds end) const {
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The desktop entry lets the desktop show the notice under the program's
    // menu entry, with its name and icon; desktops that play sounds play the
    // sound theme's alarm clock.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral(DAYGLASS_APP_ID)},
                            {QStringLiteral("sound-name"), QStringLiteral("alarm-clock-elapsed")}};
    //: The title of the notice of the period's end: the program's name.
    notify << programName << uint(0) << iconName << tr("dayglass")
           << tr("設定した期間が終了しました（%1）").arg(QString::fromStdString(endMomentText(end)))
           << QStringList() << hints << int(-1);
    // The reply, an id or an error when there is no bus or nobody serves
    // notices, is not awaited: the tick goes on at once, and a desktop
    // without the service has the red page and the window's request for
    // attention.
    QDBusConnection::sessionBus().asyncCall(notify);
}
