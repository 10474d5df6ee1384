#include "SavingDialog.h"

#include "MessageBoxes.h"
#include "QtColors.h"
#include "WriteErrorMessage.h"

#include <QFrame>
#include <QGuiApplication>
#include <QInputMethod>
#include <QScreen>
#include <QStyle>

namespace {

// Moves a window to the middle of the primary screen: half the screen less
// half the window on each axis. Dialogs call it before they are shown, so that
// the window manager maps them where they stay.
void centreOnScreen(QWidget &window) {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), screen->geometry())
                .topLeft());
}

} // namespace

SavingDialog::SavingDialog(QSize size, QString leaveQuestion, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_leaveQuestion(std::move(leaveQuestion)) {
    setFixedSize(size);
    setAutoFillBackground(true);
    setPaletteColor(this, QPalette::Window, Qt::black);
    // Made first, so that it lies beneath every control.
    auto *edge = new QFrame(this);
    edge->setObjectName(QStringLiteral("border"));
    edge->setFrameStyle(QFrame::Panel | QFrame::Raised);
    edge->setGeometry(rect());
    // Placed before it is shown, so that the window manager maps it where it
    // stays.
    centreOnScreen(*this);
}

void SavingDialog::reject() {
    if (m_saveFailed && MessageBoxes::askYesNo(this, QGuiApplication::applicationDisplayName(),
                                               m_leaveQuestion, MessageBoxes::DefaultAnswer::No))
        QDialog::reject();
}

void SavingDialog::commitComposition() {
    QGuiApplication::inputMethod()->commit();
}

void SavingDialog::saveFailed(const WriteError &error) {
    m_saveFailed = true;
    MessageBoxes::inform(this, QGuiApplication::applicationDisplayName(),
                         WriteErrorMessage::notSaved(error));
}
