#include "ApplicationSetup.h"

#include "EmbeddedIconEngine.h"
#include "JapaneseFonts.h"
#include "UiLanguage.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <memory>

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

LocaleEnvironment localeEnvironment() {
    const auto variable = [](const char *name) { return qEnvironmentVariable(name).toStdString(); };
    return {variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG"), variable("LANGUAGE")};
}

// The translations built into the program, one for each language, named
// after it ("en.qm").
const QString translationFolder = QStringLiteral(":/i18n");

std::vector<std::string> availableTranslations() {
    std::vector<std::string> languages;
    for (const QFileInfo &file : QDir(translationFolder).entryInfoList(QDir::Files))
        languages.push_back(file.completeBaseName().toStdString());
    return languages;
}

// Installs a translator, owned by the application, that was loaded.
void install(std::unique_ptr<QTranslator> translator, bool loaded) {
    if (!loaded)
        return;
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
}

void installOwnTranslation(const QString &language) {
    auto translator = std::make_unique<QTranslator>();
    const bool loaded = translator->load(language, translationFolder);
    install(std::move(translator), loaded);
}

void installQtTranslation(const QLocale &locale) {
    auto translator = std::make_unique<QTranslator>();
    const bool loaded = translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(std::move(translator), loaded);
}

} // namespace

void installTranslations() {
    // Once for each application object, which owns the translators.
    const char *const installed = "translationsInstalled";
    QCoreApplication *const application = QCoreApplication::instance();
    if (application->property(installed).toBool())
        return;
    application->setProperty(installed, true);
    const std::string chosen =
        chosenLanguage(wantedLanguages(localeEnvironment()), availableTranslations());
    if (languageOf(chosen) == sourceLanguage) {
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        installQtTranslation(QLocale(QLocale::Japanese));
        return;
    }
    const QString language = QString::fromStdString(chosen);
    QLocale::setDefault(QLocale(language));
    installQtTranslation(QLocale(language));
    // English stands under every other translation, so that a text that
    // one lacks is read in English rather than in the source's Japanese.
    installOwnTranslation(QString::fromLatin1(fallbackLanguage));
    if (languageOf(chosen) != fallbackLanguage)
        installOwnTranslation(language);
}

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
    installTranslations();
}

void chooseWindowSystem() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}
