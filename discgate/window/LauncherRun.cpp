#include "LauncherRun.h"

#include "LauncherMessages.h"
#include "MenuDescription.h"
#include "MessageBoxes.h"
#include "PlainMenuWindow.h"
#include "frmMain.h"

#include <QApplication>

namespace {

constexpr int successStatus = 0;
constexpr int failureStatus = 1;

int reportFailedLoad(const LoadError &error) {
    MessageBoxes::inform(nullptr, QGuiApplication::applicationDisplayName(),
                         LauncherMessages::loadError(error));
    return failureStatus;
}

int runSkinnedMenu(const std::filesystem::path &mediumRoot, LauncherDescription description,
                   Opener &opener) {
    frmMain window(mediumRoot, opener, menuSourceOf(mediumRoot));
    if (const auto loaded = window.Form_Load(std::move(description)); !loaded)
        return reportFailedLoad(loaded.error());
    // The event loop ends first, so that hiding the last window cannot end it
    // with another status.
    QObject::connect(&window, &frmMain::ended, &window, [&window] {
        QCoreApplication::exit(successStatus);
        window.hide();
    });
    window.show();
    return QApplication::exec();
}

int runPlainMenu(const std::filesystem::path &mediumRoot, const PlainMenu &menu, Opener &opener) {
    PlainMenuWindow window(mediumRoot, menu, opener, menuSourceOf(mediumRoot));
    QObject::connect(&window, &QDialog::finished, &window,
                     [] { QCoreApplication::exit(successStatus); });
    window.show();
    return QApplication::exec();
}

} // namespace

int runLauncher(const std::filesystem::path &mediumRoot, Opener &opener) {
    auto menu = readMenuDescription(mediumRoot);
    if (!menu)
        return reportFailedLoad(menu.error());
    if (const auto *plain = std::get_if<PlainMenu>(&*menu))
        return runPlainMenu(mediumRoot, *plain, opener);
    return runSkinnedMenu(mediumRoot, std::get<LauncherDescription>(std::move(*menu)), opener);
}
