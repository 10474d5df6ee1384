#include "frmMain.h"

#include "AccessibleFactory.h"
#include "AccessibleWindow.h"
#include "ClientArea.h"
#include "MessageBoxes.h"
#include "PictureButton.h"
#include "PictureStore.h"
#include "TargetStart.h"
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

namespace {

// What a screen reader calls a button: the close button what it does, a
// launch button its target.
QString accessibleButtonName(int index, const BtnData &button) {
    return index == 0 ? frmMain::tr("閉じる") : targetName(button.strExeFile);
}

PixelRect primaryScreenRect() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.x(), screen.y(), screen.width(), screen.height()};
}

} // namespace

void frmMain::installAccessibleInterfaces() {
    installAccessibleInterface<frmMain, AccessibleWindow>();
}

frmMain::frmMain(std::filesystem::path programFolder, Opener &opener, MenuSource source)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_programFolder(std::move(programFolder)), m_opener(opener), m_source(source),
      m_client(new ClientArea(this)) {
    setObjectName(QStringLiteral("frmMain"));
    // The window has no title to read; the program's name stands in for it.
    setAccessibleName(QGuiApplication::applicationDisplayName());
    connect(m_client, &ClientArea::mouseMoved, this, &frmMain::Form_MouseMove);
}

Result<void, LoadError> frmMain::Form_Load(LauncherDescription description) {
    PictureStore pictures(m_programFolder);
    const auto background = pictures.picture(description.backgroundPath);
    if (!background)
        return Failure{background.error()};
    m_client->setBackground(*background);

    const PixelRect frame = launcherWindowRect(description, primaryScreenRect());
    setFixedSize(frame.width, frame.height);
    move(frame.x, frame.y);
    const PixelRect client = clientAreaRect(frame.width, frame.height);
    m_client->setGeometry(client.x, client.y, client.width, client.height);

    BtnList = std::move(description.BtnList);
    for (std::size_t index = 0; index < BtnList.size(); ++index) {
        auto created =
            createButton(static_cast<int>(index), description.buttonPositions[index], pictures);
        if (!created)
            return created;
    }
    return {};
}

// Qt stacks a widget's children in the order they are made, so later buttons
// lie above earlier ones where they overlap, and every launch button lies above
// the close button.
Result<void, LoadError> frmMain::createButton(int index, PixelPoint position,
                                              PictureStore &pictures) {
    auto *button = new PictureButton(index, m_client);
    imgBotton.push_back(button);
    connect(button, &PictureButton::mouseMoved, this, &frmMain::imgBotton_MouseMove);
    connect(button, &PictureButton::clicked, this, [this, index] { imgBotton_Click(index); });
    const QString name = accessibleButtonName(index, BtnList[index]);
    const QString target = QString::fromStdString(BtnList[index].strExeFile);
    button->setAccessibleName(name);
    // An address is its own name already.
    button->setAccessibleDescription(target == name ? QString() : target);
    button->move(position.x, position.y);
    // The hover picture is decoded now too, so that a bad one is reported
    // before the window shows and hovering never waits for a decoder.
    const auto normal = pictures.picture(BtnList[index].strDefaultBtn);
    if (!normal)
        return Failure{normal.error()};
    const auto hover = pictures.picture(BtnList[index].strCrossBtn);
    if (!hover)
        return Failure{hover.error()};
    button->setPictures(*normal, *hover);
    button->show();
    return {};
}

// The fixed dialog frame of the window: a raised edge two pixels wide in the
// system's button colours, and one pixel of the button face inside it.
void frmMain::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
    painter.setPen(palette().color(QPalette::Button));
    const int inner = dialogFrameWidth - 1;
    painter.drawRect(rect().adjusted(inner, inner, -inner - 1, -inner - 1));
}

// Only one button is lit at a time, and a lit button goes dark only over the
// background: moving straight onto a neighbouring button leaves the first lit.
void frmMain::imgBotton_MouseMove(int index) {
    if (lngHotButton != -1)
        return;
    imgBotton[index]->setLit(true);
    lngHotButton = index;
}

void frmMain::Form_MouseMove() {
    if (lngHotButton == -1)
        return;
    imgBotton[lngHotButton]->setLit(false);
    lngHotButton = -1;
}

// A button whose start is still under way does not start its target again,
// and once a start that ends the launcher is under way the menu takes no
// click at all.
void frmMain::imgBotton_Click(int index) {
    if (m_ending || m_pendingStarts.contains(index))
        return;
    const BtnData &button = BtnList[index];
    if (!button.strMessage.empty()) {
        const QString caption = button.strTitle.empty() ? QGuiApplication::applicationDisplayName()
                                                        : QString::fromStdString(button.strTitle);
        if (!MessageBoxes::askYesNo(this, caption, QString::fromStdString(button.strMessage)))
            return;
    }
    if (index == 0) {
        emit ended();
        return;
    }
    shellexebyFileName(index, button.strClose == "Yes" ? AfterStart::End : AfterStart::Stay);
}

void frmMain::shellexebyFileName(int index, AfterStart after) {
    startTarget({this, m_programFolder, m_source}, m_opener, BtnList[index].strExeFile, after,
                {[this, index, after] {
                     m_pendingStarts.insert(index);
                     if (after == AfterStart::End)
                         m_ending = true;
                 },
                 [this, index, after] {
                     m_pendingStarts.erase(index);
                     if (after == AfterStart::End)
                         emit ended();
                 }});
}
