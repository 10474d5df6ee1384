#pragma once

#include "Countdown.h"

#include <QFrame>
#include <array>

class BarFrame;
class QLabel;

// The TIMER page: the period's start and end, the remaining time in seven
// units, and the bar of the remaining share. It shows what the main window
// hands it and reads nothing itself. Its controls are built when it is first
// shown, so that a start on the CALENDAR page pays nothing for them.
class TimerPage : public QFrame {
    Q_OBJECT
public:
    explicit TimerPage(QWidget *parent);

    // The texts of STime and ETime, as the main window's LoadPeriod read them.
    void showPeriodDates(const std::string &start, const std::string &end);

    // Paints the page from one tick's count-down.
    void showCountdown(const Countdown &countdown);

    void setVisible(bool visible) override;

signals:
    // The Setting panel was clicked: the window above opens the period dialog
    // and then calls LoadPeriod again.
    void settingClicked();

private:
    void build();
    void createDateLabels();
    void createUnitColumn();
    void createBar();
    void createSettingButton();
    QLabel *createLabel(const char *objectName, const QString &caption, QRect geometry,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

    void paintCountdown();
    void showUnits(const Countdown &countdown);
    void paint(const QColor &textColor);
    void SetBar(int percent);

    // The texts of STime and ETime; the design's until the window hands its own.
    QString m_startText = QStringLiteral("2005/10/10");
    QString m_endText = QStringLiteral("0");
    // The count-down the page shows, or is to show once it is built.
    Countdown m_shown;

    // Null until the page is built.
    QLabel *m_startCaption = nullptr;
    QLabel *m_endCaption = nullptr;
    std::array<QLabel *, timeUnitCount> m_unitNumbers{};
    std::array<QLabel *, timeUnitCount> m_unitLabels{};
    // The colour of every text and line of the page as last painted: the page
    // turns only when the period starts or ends, not at every tick.
    QColor m_textColour;
    BarFrame *m_barFrame = nullptr;
    QFrame *m_bar = nullptr;
};
