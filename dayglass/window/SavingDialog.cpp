#include "SavingDialog.h"

#include "MessageBoxes.h"
#include "QtColors.h"
#include "WriteErrorMessage.h"

#include <QFrame>
#include <QGuiApplication>
#include <QInputMethod>
#include <QScreen>
#include <QStyle>

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
    // Placed in the middle of the primary screen before it is shown, so that
    // the window manager maps it where it stays.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen->geometry())
                 .topLeft());
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
