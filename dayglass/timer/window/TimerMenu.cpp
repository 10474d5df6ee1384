#include "TimerMenu.h"

#include "LoginStart.h"
#include "PeriodWarningNotifier.h"

#include <QActionGroup>

TimerMenu::TimerMenu(LoginStart *loginStart, QWidget *parent)
    : QMenu(parent), m_loginStart(loginStart), m_tray(addAction(tr("トレイに表示"))) {
    setObjectName(QStringLiteral("TimerMenu"));
    setToolTipsVisible(true);
    m_tray->setCheckable(true);
    connect(m_tray, &QAction::triggered, this, &TimerMenu::trayChosen);

    QMenu *warning = addMenu(tr("終了前に知らせる"));
    auto *group = new QActionGroup(warning);
    static_assert(std::tuple_size_v<decltype(m_leads)> == warningLeads.size());
    for (std::size_t i = 0; i < warningLeads.size(); ++i) {
        const std::chrono::minutes lead = warningLeads[i];
        m_leads[i] = warning->addAction(
            lead.count() == 0 ? tr("しない")
                              : tr("%1前").arg(PeriodWarningNotifier::leadText(lead)));
        m_leads[i]->setCheckable(true);
        group->addAction(m_leads[i]);
        connect(m_leads[i], &QAction::triggered, this,
                [this, lead] { emit warningLeadChosen(lead); });
    }
    addAction(loginStart->action());
}

void TimerMenu::popUpAt(QPoint position, bool trayOn, bool trayAvailable,
                        std::chrono::minutes lead) {
    m_tray->setChecked(trayOn);
    m_tray->setEnabled(trayAvailable);
    m_tray->setToolTip(trayAvailable ? QString()
                                     : tr("このデスクトップにはトレイ（通知領域）がありません"));
    for (std::size_t i = 0; i < warningLeads.size(); ++i)
        m_leads[i]->setChecked(warningLeads[i] == lead);
    m_loginStart->refresh();
    popup(position);
}
