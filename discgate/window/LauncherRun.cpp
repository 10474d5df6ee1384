#include "LauncherRun.h"

#include "LauncherMessages.h"
#include "MessageBoxes.h"
#include "PlainMenuWindow.h"
#include "frmMain.h"

#include <QApplication>

namespace {

constexpr int successStatus = 0;
constexpr int failureStatus = 1;

} // namespace

int runLauncher(const std::filesystem::path &programFolder, Opener &opener) {
    frmMain window(programFolder, opener, menuSourceOf(programFolder));
    if (const auto loaded = window.Form_Load(); !loaded) {
        MessageBoxes::inform(nullptr, QGuiApplication::applicationDisplayName(),
                             LauncherMessages::loadError(loaded.error()));
        return failureStatus;
    }
    // The event loop ends first, so that hiding the last window cannot end it
    // with another status.
    QObject::connect(&window, &frmMain::ended, &window, [&window] {
        QCoreApplication::exit(successStatus);
        window.hide();
    });
    window.show();
    return QApplication::exec();
}

int runPlainMenu(const std::filesystem::path &mediumRoot, const AutorunMenu &menu, Opener &opener) {
    PlainMenuWindow window(mediumRoot, menu, opener, menuSourceOf(mediumRoot));
    QObject::connect(&window, &QDialog::finished, &window,
                     [] { QCoreApplication::exit(successStatus); });
    window.show();
    return QApplication::exec();
}
