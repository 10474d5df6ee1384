#include "PeriodEndNotifier.h"

#include "DesktopNotice.h"
#include "EndMoment.h"

void PeriodEndNotifier::tick(const Countdown &countdown) {
    if (const auto end = m_watch.reachedEnd(countdown)) {
        // Desktops that play sounds play the sound theme's alarm clock; a
        // desktop without the notification service has the red page and the
        // window's request for attention.
        sendDesktopNotice(
            tr("設定した期間が終了しました（%1）").arg(QString::fromStdString(endMomentText(*end))),
            {{QStringLiteral("sound-name"), QStringLiteral("alarm-clock-elapsed")}});
        emit periodEnded();
    }
}
