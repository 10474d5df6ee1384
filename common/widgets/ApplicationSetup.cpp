#include "ApplicationSetup.h"

#include "JapaneseFonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

void setUpApplication(QApplication &application) {
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installJapaneseFontSubstitutes();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
