#include "PlainMenuWindow.h"

#include "PictureStore.h"
#include "TargetStart.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int iconSide = 48;
// Wide enough for a choice's usual words on one line.
constexpr int minimumButtonWidth = 320;

// A text of the file, cut for the screen; the file keeps it whole.
QString shownText(const std::string &text) {
    QString shown = QString::fromStdString(text).simplified();
    if (shown.size() <= PlainMenuWindow::maximumShownCharacters)
        return shown;
    shown.truncate(PlainMenuWindow::maximumShownCharacters - 1);
    if (shown.back().isHighSurrogate())
        shown.chop(1);
    return shown + QStringLiteral("…");
}

// A text whose "&" are characters, not access keys.
QString withoutAccessKeys(const QString &text) {
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The text a screen reader reads for a button: its caption without the "&"
// that marks an access key.
QString readableText(const QString &caption) {
    QString text;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == QLatin1Char('&') && ++at == caption.size())
            break;
        text += caption[at];
    }
    return text;
}

QString choiceCaption(const AutorunChoice &choice) {
    if (choice.kind == ChoiceKind::Verb)
        return shownText(choice.label);
    if (!choice.label.empty())
        return withoutAccessKeys(shownText(choice.label));
    const QString name = withoutAccessKeys(shownText(choice.name));
    return choice.kind == ChoiceKind::Run ? PlainMenuWindow::tr("%1 を実行").arg(name)
                                          : PlainMenuWindow::tr("%1 を開く").arg(name);
}

QPixmap themeIcon(std::initializer_list<const char *> names, QStyle::StandardPixmap standIn,
                  const QWidget *widget) {
    for (const char *name : names) {
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
        if (!icon.isNull())
            return icon.pixmap(iconSide, iconSide);
    }
    return widget->style()->standardIcon(standIn, nullptr, widget).pixmap(iconSide, iconSide);
}

// The medium's own icon, largest first: its picture, or the pictures of an
// icon inside a program that fit the heading and the window's icon, through
// the limits of every picture of a menu. Empty where the file names none or
// it cannot be shown.
std::vector<QPixmap> ownIcon(const std::filesystem::path &mediumRoot, const MediumIcon &icon,
                             qreal pixelRatio) {
    PictureStore pictures(mediumRoot);
    if (icon.kind == IconKind::Picture) {
        auto picture = pictures.picture(icon.path);
        return picture ? std::vector<QPixmap>{std::move(*picture)} : std::vector<QPixmap>();
    }
    if (icon.kind != IconKind::WindowsProgram)
        return {};
    const std::int32_t sides[] = {std::int32_t(std::ceil(iconSide * pixelRatio)), 16, 32};
    auto icons = pictures.programIcons(icon.path, icon.index, sides);
    return icons ? std::move(*icons) : std::vector<QPixmap>();
}

QPixmap fittedToHeading(const QPixmap &picture) {
    const QSizeF size = picture.deviceIndependentSize();
    if (size.width() <= iconSide && size.height() <= iconSide)
        return picture;
    return picture.scaled(QSize(iconSide, iconSide) * picture.devicePixelRatio(),
                          Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The heading's icon: the medium's own; where that cannot be shown, the
// desktop's icon of a Windows program for one inside a program, else the
// desktop's icon of a disc.
QPixmap headingIcon(const std::vector<QPixmap> &own, IconKind kind, const QWidget *widget) {
    if (!own.empty())
        return fittedToHeading(own.front());
    if (kind == IconKind::WindowsProgram)
        return themeIcon({"application-x-ms-dos-executable", "application-x-executable"},
                         QStyle::SP_FileIcon, widget);
    return themeIcon({"media-optical", "drive-removable-media"}, QStyle::SP_DriveCDIcon, widget);
}

} // namespace

PlainMenuWindow::PlainMenuWindow(std::filesystem::path mediumRoot, const PlainMenu &menu,
                                 Opener &opener, MenuSource source)
    : m_mediumRoot(std::move(mediumRoot)), m_opener(opener), m_source(source),
      m_buttons(new QWidget(this)) {
    setObjectName(QStringLiteral("PlainMenuWindow"));
    setWindowTitle(menu.label.empty() ? targetName(m_mediumRoot.string()) : shownText(menu.label));
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(createHeading(menu));
    new QVBoxLayout(m_buttons);
    m_buttons->layout()->setContentsMargins({});
    createChoices(menu);
    layout->addWidget(createButtonArea());
    adjustSize();
    move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());
}

QWidget *PlainMenuWindow::createHeading(const PlainMenu &menu) {
    auto *heading = new QWidget(this);
    auto *row = new QHBoxLayout(heading);
    row->setContentsMargins({});
    auto *icon = new QLabel(heading);
    icon->setObjectName(QStringLiteral("icon"));
    const std::vector<QPixmap> own = ownIcon(m_mediumRoot, menu.icon, devicePixelRatioF());
    icon->setPixmap(headingIcon(own, menu.icon.kind, this));
    if (!own.empty()) {
        QIcon windowIcon;
        for (const QPixmap &picture : own)
            windowIcon.addPixmap(picture);
        setWindowIcon(windowIcon);
    }
    row->addWidget(icon);
    auto *label = new QLabel(shownText(menu.label), heading);
    label->setObjectName(QStringLiteral("label"));
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    label->setFont(font);
    row->addWidget(label, 1);
    return heading;
}

// The default choice has the focus; where it cannot be chosen, the first
// choice that can, else "フォルダーを開く".
void PlainMenuWindow::createChoices(const PlainMenu &menu) {
    QPushButton *chosenByDefault = nullptr;
    QPushButton *firstEnabled = nullptr;
    for (std::size_t index = 0; index < menu.choices.size(); ++index) {
        const AutorunChoice &choice = menu.choices[index];
        QPushButton *button = addButton(choiceCaption(choice));
        connect(button, &QPushButton::clicked, this,
                [this, target = choice.target] { choose(target); });
        // A choice that could only fail says so before it is chosen.
        if (choice.missing) {
            const QString missing =
                tr("%1 がメディアにありません。").arg(QString::fromStdString(choice.name));
            button->setEnabled(false);
            button->setToolTip(missing);
            button->setAccessibleDescription(missing);
            continue;
        }
        if (index == menu.defaultIndex)
            chosenByDefault = button;
        if (!firstEnabled)
            firstEnabled = button;
    }
    QPushButton *folder = addButton(tr("フォルダーを開く"));
    connect(folder, &QPushButton::clicked, this, [this] { choose(m_mediumRoot.string()); });
    QPushButton *close = addButton(tr("閉じる"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    QPushButton *focused =
        chosenByDefault ? chosenByDefault : (firstEnabled ? firstEnabled : folder);
    focused->setFocus();
    focused->setDefault(true);
}

// A hundred choices are taller than a screen: they scroll, and the button
// with the focus is always in sight.
QScrollArea *PlainMenuWindow::createButtonArea() {
    auto *area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    // Only the buttons take the focus, so that every key press moves it to
    // one of them.
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(m_buttons);
    const int buttonsHeight = m_buttons->sizeHint().height();
    const int shownHeight = std::min(
        buttonsHeight, QGuiApplication::primaryScreen()->availableGeometry().height() * 2 / 3);
    const int scrollBar =
        shownHeight < buttonsHeight ? area->verticalScrollBar()->sizeHint().width() : 0;
    area->setMinimumWidth(std::max(m_buttons->sizeHint().width(), minimumButtonWidth) + scrollBar);
    area->setFixedHeight(shownHeight);
    area->setWidgetResizable(true);
    connect(qApp, &QApplication::focusChanged, area, [area, this](QWidget *, QWidget *now) {
        if (now && m_buttons->isAncestorOf(now))
            area->ensureWidgetVisible(now);
    });
    return area;
}

QPushButton *PlainMenuWindow::addButton(const QString &text) {
    auto *button = new QPushButton(text, m_buttons);
    button->setAccessibleName(readableText(text));
    m_buttons->layout()->addWidget(button);
    return button;
}

// A choice ends the menu once it has been handed on, or once its failure
// has been told, as the Windows shell's menu ends; the menu goes out of sight
// at once.
void PlainMenuWindow::choose(const std::string &target) {
    startTarget({this, m_mediumRoot, m_source}, m_opener, target, AfterStart::End,
                {[] {}, [this] { accept(); }});
}

// Tab and the arrow keys both go from button to button.
void PlainMenuWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        focusNextPrevChild(event->key() == Qt::Key_Down);
        return;
    }
    QDialog::keyPressEvent(event);
}
