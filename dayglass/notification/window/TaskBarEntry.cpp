#include "TaskBarEntry.h"

#include <QDBusConnection>
#include <QDBusMessage>

void TaskBarEntry::send(const std::optional<TaskBarState> &state) const {
    if (!state)
        return;
    QDBusMessage update = QDBusMessage::createSignal(
        QStringLiteral("/org/dayglass/dayglass/LauncherEntry"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    update << QStringLiteral("application://" DAYGLASS_APP_ID ".desktop")
           << QVariantMap{{QStringLiteral("progress"), state->progress},
                          {QStringLiteral("progress-visible"), state->progressVisible},
                          {QStringLiteral("urgent"), state->urgent}};
    QDBusConnection::sessionBus().send(update);
}
