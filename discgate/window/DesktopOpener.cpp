#include "DesktopOpener.h"

#include "QtPaths.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

// A start that fails is not reported: the launcher has never told its users
// about targets that would not open, and it stays as the click left it.
void DesktopOpener::open(const LaunchAction &action) {
    switch (action.kind) {
    case LaunchKind::OpenUrl:
        QDesktopServices::openUrl(QUrl(QString::fromStdString(action.target)));
        break;
    case LaunchKind::OpenFile:
        QDesktopServices::openUrl(QUrl::fromLocalFile(qtPath(action.target)));
        break;
    case LaunchKind::RunProgram:
        QProcess::startDetached(qtPath(action.target), {});
        break;
    }
}
