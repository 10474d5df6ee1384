#include "ApplicationSetup.h"

#include "EmbeddedIconEngine.h"
#include "JapaneseFonts.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

namespace {

// The program's icon in every size that its executable embeds, so that the
// window system can pick the one that fits the title bar, the task bar or the
// window switcher. The pictures are listed without a name filter, which would
// load the regular expression library for this one look.
QIcon embeddedIcon(const QString &programName) {
    const QString fileName = programName + QStringLiteral(".png");
    QStringList pictures;
    QDirIterator files(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        if (files.next(), files.fileName() == fileName)
            pictures << files.filePath();
    }
    return QIcon(new EmbeddedIconEngine(pictures));
}

} // namespace

void setUpApplication(QApplication &application, const QString &programName) {
    QApplication::setApplicationName(programName);
    QApplication::setApplicationVersion(QStringLiteral(PROGRAM_VERSION));
    // Decoding the six pictures takes a few milliseconds, and a window that is
    // created with an icon converts every size before it is mapped; so the
    // icon follows once the event loop runs, when the first window is already
    // on screen. Qt hands it to every window that is open by then.
    QTimer::singleShot(0, &application,
                       [programName] { QApplication::setWindowIcon(embeddedIcon(programName)); });
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installJapaneseFontSubstitutes();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

void chooseWindowSystem() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}
