#include "ApplicationSetup.h"

#include "JapaneseFonts.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

namespace {

// The program's icon in every size that its executable embeds, so that the
// window system can pick the one that fits the title bar, the task bar or the
// window switcher. The pictures are read as PNG without guessing: a reader
// that may guess asks every image plugin first, and loading them all delays
// the first frame.
QIcon embeddedIcon(const QString &programName) {
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), {programName + QStringLiteral(".png")},
                          QDir::Files, QDirIterator::Subdirectories);
    while (pictures.hasNext()) {
        QImageReader reader(pictures.next(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
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
