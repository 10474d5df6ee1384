#pragma once

#include <QApplication>
#include <QDialog>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Acts on the next modal window (a message box or a dialog) as soon as it is
// shown, for tests of code that opens one and waits for it to close.
// `action` receives the window and must close it.
inline void whenModalShown(std::function<void(QWidget *)> action, int timeoutMs = 5000) {
    auto *timer = new QTimer(qApp);
    auto elapsed = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout,
                     [timer, elapsed, action = std::move(action), timeoutMs]() {
                         *elapsed += 10;
                         QWidget *modal = QApplication::activeModalWidget();
                         if (modal && modal->isVisible()) {
                             timer->stop();
                             timer->deleteLater();
                             action(modal);
                         } else if (*elapsed > timeoutMs) {
                             timer->stop();
                             timer->deleteLater();
                         }
                     });
    timer->start();
}

// Clicks the child of `window` named `name`, as a user does with the mouse.
inline void clickChild(const QWidget *window, const char *name) {
    QTest::mouseClick(window->findChild<QWidget *>(QString::fromLatin1(name)), Qt::LeftButton);
}

// Closes a modal window that a failed check left open, so that the test fails
// instead of waiting for the window forever. Hold the result for as long as
// the checks on the window run.
inline auto closedAtEnd(QWidget *modal) {
    return qScopeGuard([modal] {
        if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
}

// Acts on the next modal window, which must be a `Modal` (a message box, a
// colour or file dialog), as soon as it is shown; one that a failed check left
// open is closed.
template <typename Modal> void whenModalShownAs(std::function<void(Modal *)> action) {
    whenModalShown([action = std::move(action)](QWidget *widget) {
        const auto closer = closedAtEnd(widget);
        auto *modal = qobject_cast<Modal *>(widget);
        QVERIFY(modal);
        action(modal);
    });
}
