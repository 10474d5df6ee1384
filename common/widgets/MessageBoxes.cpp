#include "MessageBoxes.h"

#include <QMessageBox>

namespace MessageBoxes {
namespace {

// Texts come from files that anyone may write, such as a medium's Autorun.inf,
// and are shown exactly as written. A rich-text box would read "<b>" as bold,
// "&amp;" as "&", and load what an "<img src=...>" names: any file of the
// system, or a pipe that blocks the window for ever.
void showAsPlainText(QMessageBox &box) {
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
}

} // namespace

void inform(QWidget *parent, const QString &caption, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    showAsPlainText(box);
    box.exec();
}

bool askYesNo(QWidget *parent, const QString &caption, const QString &text,
              DefaultAnswer defaultAnswer) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    showAsPlainText(box);
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace MessageBoxes
