#include "frmMain.h"

#include "AccessibleFactory.h"
#include "AccessibleWindow.h"
#include "LaunchTarget.h"
#include "LauncherDescription.h"
#include "MessageBoxes.h"
#include "PictureButton.h"
#include "PictureLoader.h"
#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

// What a screen reader calls a button: the close button what it does, a
// launch button the file name of its target, or the whole address.
QString accessibleButtonName(int index, const BtnData &button) {
    if (index == 0)
        return QStringLiteral("閉じる");
    const LaunchAction action = classifyLaunchTarget(button.strExeFile);
    if (action.kind == LaunchKind::OpenUrl)
        return QString::fromStdString(action.target);
    std::filesystem::path target(action.target);
    if (!target.has_filename())
        target = target.parent_path();
    return QString::fromStdString(target.filename().string());
}

void installFrmMainAccessible() {
    installAccessibleInterface<frmMain, AccessibleWindow>();
}

PixelRect primaryScreenRect() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.x(), screen.y(), screen.width(), screen.height()};
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFrmMainAccessible)

frmMain::frmMain(std::filesystem::path programFolder, Opener &opener)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_programFolder(std::move(programFolder)), m_opener(opener) {
    setObjectName(QStringLiteral("frmMain"));
    // The window has no title to read; the program's name stands in for it.
    setAccessibleName(QStringLiteral("discgate"));
    setMouseTracking(true);
}

std::optional<LoadError> frmMain::Form_Load() {
    DescriptionOrError read = readLauncherDescription(m_programFolder);
    if (const auto *error = std::get_if<LoadError>(&read))
        return *error;
    LauncherDescription &description = std::get<LauncherDescription>(read);

    auto background = loadPicture(description.backgroundPath);
    if (const auto *error = std::get_if<LoadError>(&background))
        return *error;
    m_background = std::get<QPixmap>(background);

    const PixelRect frame = launcherWindowRect(description, primaryScreenRect());
    // Qt cannot make a window larger than this, and says so on every attempt.
    setFixedSize(QSize(frame.width, frame.height).boundedTo({QWIDGETSIZE_MAX, QWIDGETSIZE_MAX}));
    move(frame.x, frame.y);

    BtnList = std::move(description.BtnList);
    for (std::size_t index = 0; index < BtnList.size(); ++index) {
        if (auto error = createButton(static_cast<int>(index), description.buttonPositions[index]))
            return error;
    }
    return std::nullopt;
}

// Qt stacks a widget's children in the order they are made, so later buttons
// lie above earlier ones where they overlap, and every launch button lies above
// the close button.
std::optional<LoadError> frmMain::createButton(int index, PixelPoint position) {
    auto *button = new PictureButton(index, this);
    imgBotton.push_back(button);
    connect(button, &PictureButton::mouseMoved, this, &frmMain::imgBotton_MouseMove);
    connect(button, &PictureButton::clicked, this, &frmMain::imgBotton_Click);
    const QString name = accessibleButtonName(index, BtnList[index]);
    const QString target = QString::fromStdString(BtnList[index].strExeFile);
    button->setAccessibleName(name);
    // An address is its own name already.
    button->setAccessibleDescription(target == name ? QString() : target);
    button->move(position.x, position.y);
    if (auto error = showPicture(index, BtnList[index].strDefaultBtn))
        return error;
    button->show();
    return std::nullopt;
}

// Pictures come from their files at every change, never from a cache.
std::optional<LoadError> frmMain::showPicture(int index, const std::string &path) {
    auto picture = loadPicture(path);
    if (const auto *error = std::get_if<LoadError>(&picture))
        return *error;
    imgBotton[index]->setPicture(std::get<QPixmap>(picture));
    return std::nullopt;
}

void frmMain::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, m_background);
}

void frmMain::mouseMoveEvent(QMouseEvent *) {
    Form_MouseMove();
}

// Only one button is lit at a time, and a lit button goes dark only over the
// background: moving straight onto a neighbouring button leaves the first lit.
void frmMain::imgBotton_MouseMove(int index) {
    if (lngHotButton != -1)
        return;
    if (auto error = showPicture(index, BtnList[index].strCrossBtn)) {
        emit failed(*error);
        return;
    }
    lngHotButton = index;
}

void frmMain::Form_MouseMove() {
    if (lngHotButton == -1)
        return;
    if (auto error = showPicture(lngHotButton, BtnList[lngHotButton].strDefaultBtn)) {
        emit failed(*error);
        return;
    }
    lngHotButton = -1;
}

void frmMain::imgBotton_Click(int index) {
    const BtnData &button = BtnList[index];
    if (!button.strMessage.empty()) {
        const QString caption = button.strTitle.empty() ? QStringLiteral("discgate")
                                                        : QString::fromStdString(button.strTitle);
        if (!MessageBoxes::askYesNo(this, caption, QString::fromStdString(button.strMessage)))
            return;
    }
    if (index == 0) {
        emit ended();
        return;
    }
    shellexebyFileName(button.strExeFile);
    if (button.strClose == "Yes")
        emit ended();
}

void frmMain::shellexebyFileName(const std::string &strPath) {
    m_opener.open(classifyLaunchTarget(strPath));
}
