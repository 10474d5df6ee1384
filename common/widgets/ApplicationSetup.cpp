#include "ApplicationSetup.h"

#include "JapaneseFonts.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace {

// The program's icon in every size that its executable embeds, so that the
// window system can pick the one that fits the title bar, the task bar or the
// window switcher.
QIcon embeddedIcon(const QString &programName) {
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), {programName + QStringLiteral(".png")},
                          QDir::Files, QDirIterator::Subdirectories);
    while (pictures.hasNext())
        icon.addFile(pictures.next());
    return icon;
}

} // namespace

void setUpApplication(QApplication &application, const QString &programName) {
    QApplication::setApplicationName(programName);
    QApplication::setApplicationVersion(QStringLiteral(PROGRAM_VERSION));
    QApplication::setWindowIcon(embeddedIcon(programName));
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installJapaneseFontSubstitutes();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
