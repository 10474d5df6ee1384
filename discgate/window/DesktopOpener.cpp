#include "DesktopOpener.h"

#include "QtPaths.h"

#include <QProcess>
#include <QUrl>

namespace {

// GIO's work comes in from other threads; this is how soon its answers are
// looked at.
constexpr std::chrono::milliseconds dispatchInterval{10};

Result<void, OpenFailure> startProgram(const std::string &path) {
    QProcess process;
    process.setProgram(qtPath(path));
    if (process.startDetached())
        return {};
    return Failure{OpenFailure{OpenProblem::System, process.errorString().toStdString()}};
}

} // namespace

DesktopOpener::DesktopOpener(std::chrono::milliseconds answerWait) : m_launches(answerWait) {
    m_dispatch.setInterval(dispatchInterval);
    QObject::connect(&m_dispatch, &QTimer::timeout, &m_dispatch, [this] {
        if (!m_launches.dispatch())
            m_dispatch.stop();
    });
}

void DesktopOpener::open(const LaunchAction &action, Answer answer) {
    Answer explained = [action, answer = std::move(answer)](Result<void, OpenFailure> outcome) {
        answer(outcome ? outcome : Failure{explainFailure(action, outcome.error())});
    };
    switch (action.kind) {
    case LaunchKind::OpenUrl:
        m_launches.openAddress(
            QUrl(QString::fromStdString(action.target)).toEncoded().toStdString(),
            std::move(explained));
        break;
    case LaunchKind::OpenFile:
    case LaunchKind::OpenRunnableFile:
        m_launches.openFile(action.target, std::move(explained));
        break;
    case LaunchKind::RunProgram:
        explained(startProgram(action.target));
        return;
    }
    m_dispatch.start();
}
