#include "WorkInBackground.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <thread>

namespace {

// Work that ends sooner shows no dialog at all.
constexpr int shownAfterMilliseconds = 400;

} // namespace

void runInBackground(QWidget *parent, const QString &label,
                     const std::function<void(std::stop_token)> &work) {
    QProgressDialog progress(label, QCoreApplication::translate("WorkInBackground", "キャンセル"),
                             0, 0, parent);
    progress.setObjectName(QStringLiteral("workProgress"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(shownAfterMilliseconds);
    // Starts the wait for the dialog's showing, which the busy range alone does not.
    progress.setValue(0);
    QEventLoop loop;
    std::jthread worker;
    // A cancel hides the dialog; it comes back until the work has stopped,
    // so that nothing else is started meanwhile.
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&] {
        worker.request_stop();
        progress.setLabelText(QCoreApplication::translate("WorkInBackground", "取り消しています…"));
        progress.show();
    });
    worker = std::jthread([&](std::stop_token stop) {
        work(stop);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
}
