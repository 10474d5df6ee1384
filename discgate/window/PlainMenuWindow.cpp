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

// The medium's icon: its picture, through the limits of every picture of a
// menu; the desktop's icon of a Windows program for one inside a program;
// the desktop's icon of a disc where the file names none or it cannot be
// shown.
QPixmap mediumIcon(const std::filesystem::path &mediumRoot, const MediumIcon &icon,
                   const QWidget *widget) {
    if (icon.kind == IconKind::WindowsProgram)
        return themeIcon({"application-x-ms-dos-executable", "application-x-executable"},
                         QStyle::SP_FileIcon, widget);
    if (icon.kind == IconKind::Picture) {
        PictureStore pictures(mediumRoot);
        const auto picture = pictures.picture(icon.path);
        if (picture) {
            const QSizeF size = picture->deviceIndependentSize();
            if (size.width() <= iconSide && size.height() <= iconSide)
                return *picture;
            const qreal ratio = picture->devicePixelRatio();
            return picture->scaled(QSize(iconSide, iconSide) * ratio, Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation);
        }
    }
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
    icon->setPixmap(mediumIcon(m_mediumRoot, menu.icon, this));
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

void PlainMenuWindow::createChoices(const PlainMenu &menu) {
    QPushButton *first = nullptr;
    for (std::size_t index = 0; index < menu.choices.size(); ++index) {
        const AutorunChoice &choice = menu.choices[index];
        QPushButton *button = addButton(choiceCaption(choice));
        connect(button, &QPushButton::clicked, this,
                [this, target = choice.target] { choose(target); });
        if (index == menu.defaultIndex)
            first = button;
    }
    QPushButton *folder = addButton(tr("フォルダーを開く"));
    connect(folder, &QPushButton::clicked, this, [this] { choose(m_mediumRoot.string()); });
    QPushButton *close = addButton(tr("閉じる"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    (first ? first : folder)->setFocus();
    (first ? first : folder)->setDefault(true);
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
