#include "WorkInBackground.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <thread>

namespace {

// Work that ends sooner shows no dialog at all.
constexpr int shownAfterMilliseconds = 400;

// Waits in an event loop for `work`, begun on a thread of its own, to end.
void waitForWork(QProgressDialog &progress, std::jthread &worker,
                 const std::function<void(std::stop_token)> &work,
                 QEventLoop::ProcessEventsFlags flags) {
    progress.setObjectName(QStringLiteral("workProgress"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(shownAfterMilliseconds);
    // Starts the wait for the dialog's showing, which the busy range alone does not.
    progress.setValue(0);
    QEventLoop loop;
    worker = std::jthread([&](std::stop_token stop) {
        work(stop);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(flags);
}

} // namespace

void runInBackground(QWidget *parent, const QString &label,
                     const std::function<void(std::stop_token)> &work) {
    QProgressDialog progress(label, QCoreApplication::translate("WorkInBackground", "キャンセル"),
                             0, 0, parent);
    std::jthread worker;
    // A cancel hides the dialog; it comes back until the work has stopped,
    // so that nothing else is started meanwhile.
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&] {
        worker.request_stop();
        progress.setLabelText(QCoreApplication::translate("WorkInBackground", "取り消しています…"));
        progress.show();
    });
    waitForWork(progress, worker, work, QEventLoop::AllEvents);
}

void runInBackground(QWidget *parent, const QString &label, const std::function<void()> &work) {
    QProgressDialog progress(label, QString(), 0, 0, parent);
    std::jthread worker;
    waitForWork(
        progress, worker, [&](std::stop_token) { work(); }, QEventLoop::ExcludeUserInputEvents);
}
