#pragma once

#include "ModalDriver.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <functional>

// Answers the next message box with `answer`, once it has shown itself as one
// of the program's, captioned with its name, and `check` has looked at it.
inline void answerMessageBox(QMessageBox::StandardButton answer,
                             std::function<void(QMessageBox *)> check) {
    whenModalShownAs<QMessageBox>([answer, check = std::move(check)](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("dayglass"));
        check(box);
        box->button(answer)->click();
    });
}
