#include "SavingDialog.h"

#include "MessageBoxes.h"
#include "QtColors.h"
#include "ScreenCentre.h"
#include "WriteErrorMessage.h"

#include <QFrame>
#include <QGuiApplication>
#include <QInputMethod>

namespace {

const QString programTitle = QStringLiteral("dayglass");

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
    if (m_saveFailed && MessageBoxes::askYesNo(this, programTitle, m_leaveQuestion,
                                               MessageBoxes::DefaultAnswer::No))
        QDialog::reject();
}

void SavingDialog::commitComposition() {
    QGuiApplication::inputMethod()->commit();
}

void SavingDialog::saveFailed(const WriteError &error) {
    m_saveFailed = true;
    MessageBoxes::inform(this, programTitle, WriteErrorMessage::notSaved(error));
}
