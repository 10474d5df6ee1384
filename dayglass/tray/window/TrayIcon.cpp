#include "TrayIcon.h"

#include "LoginStart.h"
#include "TrayPictureEngine.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

// In the order of TimeUnit.
constexpr const char *partTexts[] = {
    QT_TRANSLATE_NOOP("TrayIcon", "%1日"), QT_TRANSLATE_NOOP("TrayIcon", "%1時間"),
    QT_TRANSLATE_NOOP("TrayIcon", "%1分"), QT_TRANSLATE_NOOP("TrayIcon", "%1秒")};

QString toolTipText(const RemainingTime &remaining, const QString &endCaption) {
    if (remaining.state == CountdownState::Unusable)
        return TrayIcon::tr("期間が設定されていません");
    QStringList parts;
    for (const TimePart &part : remaining.parts)
        parts << TrayIcon::tr(partTexts[static_cast<std::size_t>(part.unit)]).arg(part.count);
    const QString time = parts.join(QLatin1Char(' '));
    return (remaining.state == CountdownState::Ended ? TrayIcon::tr("超過 %1").arg(time)
                                                     : TrayIcon::tr("残り %1").arg(time)) +
           QLatin1Char('\n') + TrayIcon::tr("終了 %1").arg(endCaption);
}

} // namespace

TrayIcon::TrayIcon(LoginStart *loginStart, QWidget *window)
    : QObject(window), m_window(window), m_loginStart(loginStart) {}

void TrayIcon::setShown(bool shown) {
    if (std::exchange(m_shown, shown) == shown)
        return;
    if (shown) {
        QTimer::singleShot(0, this, &TrayIcon::createIcon);
        return;
    }
    delete std::exchange(m_icon, nullptr);
    m_picture.reset();
    m_remaining.reset();
}

void TrayIcon::createIcon() {
    if (!m_shown || m_icon)
        return;
    createMenu();
    m_icon = new QSystemTrayIcon(this);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    emit clicked();
            });
    update();
    m_icon->show();
}

void TrayIcon::createMenu() {
    if (m_menu)
        return;
    // The window owns the menu, which as a widget cannot belong to this object.
    m_menu = new QMenu(m_window);
    m_menu->setObjectName(QStringLiteral("TrayMenu"));
    connect(m_menu->addAction(tr("表示")), &QAction::triggered, this, &TrayIcon::showRequested);
    connect(m_menu->addAction(tr("時間設定…")), &QAction::triggered, this,
            &TrayIcon::settingRequested);
    m_menu->addAction(m_loginStart->action());
    m_loginStart->refresh();
    connect(m_menu, &QMenu::aboutToShow, m_loginStart, &LoginStart::refresh);
    m_menu->addSeparator();
    connect(m_menu->addAction(tr("終了")), &QAction::triggered, this, &TrayIcon::quitRequested);
}

void TrayIcon::showPeriodEnd(const QString &endCaption) {
    if (std::exchange(m_endCaption, endCaption) == endCaption)
        return;
    m_remaining.reset();
    update();
}

void TrayIcon::showCountdown(const Countdown &countdown) {
    // Without the icon the count-down is only kept for when it is shown, and
    // with it nine of ten ticks fall in the second of the one before.
    if (std::exchange(m_countdown, countdown) != countdown)
        update();
}

void TrayIcon::update() {
    if (!m_icon)
        return;
    if (const TrayPicture picture = trayPictureFor(m_countdown); picture != m_picture) {
        m_picture = picture;
        m_icon->setIcon(picture.kind == TrayPictureKind::ProgramIcon
                            ? QApplication::windowIcon()
                            : QIcon(new TrayPictureEngine(picture)));
    }
    if (RemainingTime remaining = remainingTimeOf(m_countdown); remaining != m_remaining) {
        m_icon->setToolTip(toolTipText(remaining, m_endCaption));
        m_remaining = std::move(remaining);
    }
}
