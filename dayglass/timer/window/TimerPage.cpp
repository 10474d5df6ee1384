#include "TimerPage.h"

#include "BarFrame.h"
#include "BarPlacement.h"
#include "JapaneseFonts.h"
#include "LineControl.h"
#include "QtColors.h"
#include "ThreedPanel.h"
#include "Twips.h"

#include <QLabel>

namespace {

const QColor white = toQColor(oleWhite);
const QColor red = toQColor(oleRed);

struct UnitRow {
    const char *numberName;
    QRect number;
    const char *caption;
    QRect unit;
};

// The unit column: each number ends just left of its unit.
const std::array<UnitRow, timeUnitCount> unitRows = {{
    {"L_Year", twipsRect(1050, 990, 405, 285), QT_TRANSLATE_NOOP("TimerPage", "年"),
     twipsRect(1560, 990, 255, 255)},
    {"L_Month", twipsRect(-90, 1290, 1545, 255), QT_TRANSLATE_NOOP("TimerPage", "月"),
     twipsRect(1560, 1275, 255, 255)},
    {"L_Week", twipsRect(-90, 1575, 1545, 285), QT_TRANSLATE_NOOP("TimerPage", "週間"),
     twipsRect(1560, 1575, 615, 255)},
    {"L_Day", twipsRect(-90, 1875, 1545, 255), QT_TRANSLATE_NOOP("TimerPage", "日"),
     twipsRect(1560, 1860, 255, 255)},
    {"L_Hour", twipsRect(-90, 2175, 1545, 285), QT_TRANSLATE_NOOP("TimerPage", "時間"),
     twipsRect(1560, 2175, 585, 255)},
    {"L_Minute", twipsRect(-90, 2490, 1545, 255), QT_TRANSLATE_NOOP("TimerPage", "分"),
     twipsRect(1560, 2475, 615, 255)},
    {"L_Second", twipsRect(-90, 2790, 1545, 255), QT_TRANSLATE_NOOP("TimerPage", "秒"),
     twipsRect(1560, 2790, 255, 255)},
}};

// Line1(0) to Line1(4), the marks at 100, 0, 50, 75 and 25 % beside the bar.
const std::array<std::pair<QPoint, QPoint>, 5> barMarkLines = {{
    {{2475, 180}, {2750, 180}},
    {{2475, 3540}, {2750, 3540}},
    {{2430, 1860}, {2705, 1860}},
    {{2370, 1020}, {2645, 1020}},
    {{2370, 2700}, {2645, 2700}},
}};

constexpr int barLeft = 30;
constexpr int barWidth = 330;

} // namespace

TimerPage::TimerPage(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("FRM_Timer"));
    setGeometry(twipsRect(30, 420, 2745, 3615));
    setAutoFillBackground(true);
    setPaletteColor(this, QPalette::Window, Qt::black);
}

void TimerPage::setVisible(bool visible) {
    if (visible)
        build();
    QFrame::setVisible(visible);
}

void TimerPage::build() {
    if (m_barFrame)
        return;
    createDateLabels();
    createUnitColumn();
    createBar();
    createSettingButton();
    paintCountdown();
}

QLabel *TimerPage::createLabel(const char *objectName, const QString &caption, QRect geometry,
                               Qt::Alignment alignment) {
    auto *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    label->setFont(designFont(FontFace::MsGothic, 12, FontWeight::Bold));
    label->setAutoFillBackground(true);
    setPaletteColor(label, QPalette::Window, Qt::black);
    setPaletteColor(label, QPalette::WindowText, white);
    return label;
}

void TimerPage::createDateLabels() {
    createLabel("STimeT", tr("開始"), twipsRect(120, 240, 765, 255));
    m_startCaption = createLabel("STime", m_startText, twipsRect(720, 240, 1485, 255));
    createLabel("ETimeT", tr("終了"), twipsRect(120, 570, 1005, 255));
    m_endCaption = createLabel("ETime", m_endText, twipsRect(720, 570, 1485, 255));
}

void TimerPage::createUnitColumn() {
    createLabel("tLabel_0", tr("残時間"), twipsRect(120, 990, 1185, 255));
    for (std::size_t i = 0; i < timeUnitCount; ++i) {
        const UnitRow &row = unitRows[i];
        m_unitNumbers[i] = createLabel(row.numberName, QStringLiteral("0"), row.number,
                                       Qt::AlignRight | Qt::AlignTop);
        const QByteArray unitName = "tLabel_" + QByteArray::number(static_cast<int>(i + 1));
        m_unitLabels[i] = createLabel(unitName.constData(), tr(row.caption), row.unit);
    }
}

void TimerPage::createBar() {
    m_barFrame = new BarFrame(this);
    m_barFrame->setObjectName(QStringLiteral("SSFrame1"));
    m_barFrame->setGeometry(twipsRect(2160, 150, 390, 3435));
    m_barFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_barFrame->setAutoFillBackground(true);
    setPaletteColor(m_barFrame, QPalette::Window, palette().color(QPalette::Button));

    m_bar = new QFrame(m_barFrame);
    m_bar->setObjectName(QStringLiteral("SSPanel1"));
    m_bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_bar->setAutoFillBackground(true);
    setPaletteColor(m_bar, QPalette::Window, toQColor(0xFF0000));
    m_bar->setGeometry(twipsRect(barLeft, barTopMargin, barWidth, barFullHeight));

    const QFont markFont = designFont(FontFace::MsGothic, 9.75, FontWeight::Bold);
    //: The mark at the top of the bar, where all of the period is left.
    createLabel("FullLabel", tr("F"), twipsRect(2580, 210, 255, 255))->setFont(markFont);
    //: The mark at the bottom of the bar, where none of the period is left.
    createLabel("EmptyLabel", tr("E"), twipsRect(2580, 3330, 255, 195))->setFont(markFont);
    for (std::size_t i = 0; i < barMarkLines.size(); ++i) {
        auto *line = new LineControl(barMarkLines[i].first, barMarkLines[i].second, this);
        line->setObjectName(QStringLiteral("Line1_%1").arg(i));
    }
}

void TimerPage::createSettingButton() {
    auto *setting = new ThreedPanel(tr("時間設定"), this);
    setting->setObjectName(QStringLiteral("Setting"));
    setting->setGeometry(twipsRect(90, 3150, 2025, 435));
    setting->setFont(designFont(FontFace::MsGothic, 12, FontWeight::Bold));
    connect(setting, &ThreedPanel::clicked, this, &TimerPage::settingClicked);
}

void TimerPage::showPeriodDates(const std::string &start, const std::string &end) {
    m_startText = QString::fromStdString(start);
    m_endText = QString::fromStdString(end);
    if (m_barFrame) {
        m_startCaption->setText(m_startText);
        m_endCaption->setText(m_endText);
    }
}

void TimerPage::showCountdown(const Countdown &countdown) {
    // Nine of ten ticks fall in the second of the one before and would set
    // every control to what it shows already. A page not built yet is painted
    // when it is built.
    if (std::exchange(m_shown, countdown) != countdown && m_barFrame)
        paintCountdown();
}

void TimerPage::paintCountdown() {
    showUnits(m_shown);
    m_barFrame->showShare(m_shown.state, m_shown.barPercent);
    const bool ended = m_shown.state == CountdownState::Ended;
    paint(ended ? red : white);
    SetBar(m_shown.barPercent);
    if (ended)
        setPaletteColor(m_bar, QPalette::Window, red);
}

void TimerPage::showUnits(const Countdown &countdown) {
    // While the period runs, units whose count has reached zero leave the
    // page, largest first; after the end every unit shows its overrun.
    const bool hideZeros = countdown.state == CountdownState::Running;
    for (std::size_t i = 0; i < timeUnitCount; ++i) {
        m_unitNumbers[i]->setText(QString::number(countdown.units[i]));
        const bool visible = !hideZeros || countdown.units[i] != 0;
        m_unitNumbers[i]->setVisible(visible);
        m_unitLabels[i]->setVisible(visible);
    }
}

void TimerPage::paint(const QColor &textColor) {
    if (std::exchange(m_textColour, textColor) == textColor)
        return;
    for (QLabel *label : findChildren<QLabel *>())
        setPaletteColor(label, QPalette::WindowText, textColor);
    for (LineControl *line : findChildren<LineControl *>())
        line->setLineColor(textColor);
}

void TimerPage::SetBar(int percent) {
    const BarPlacement placement = barPlacementFor(percent);
    if (placement.colour)
        setPaletteColor(m_bar, QPalette::Window, toQColor(*placement.colour));
    const QRect geometry = twipsRect(barLeft, placement.top, barWidth, placement.height);
    // Moving a widget to where it is still marks its parent's drawing stale.
    if (geometry != m_bar->geometry())
        m_bar->setGeometry(geometry);
    m_bar->setVisible(geometry.height() > 0);
}
