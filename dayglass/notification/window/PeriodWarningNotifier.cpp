#include "PeriodWarningNotifier.h"

#include "DesktopNotice.h"
#include "EndMoment.h"

void PeriodWarningNotifier::tick(const Countdown &countdown) {
    if (const auto end = m_watch.reachedWarning(countdown))
        sendDesktopNotice(
            tr("設定した期間の終了まであと%1です（%2）")
                .arg(leadText(m_watch.lead()), QString::fromStdString(endMomentText(*end))));
}

QString PeriodWarningNotifier::leadText(std::chrono::minutes lead) {
    using namespace std::chrono;
    if (lead % days{1} == minutes{0})
        return tr("%1日").arg(lead / days{1});
    if (lead % hours{1} == minutes{0})
        return tr("%1時間").arg(lead / hours{1});
    return tr("%1分").arg(lead.count());
}
