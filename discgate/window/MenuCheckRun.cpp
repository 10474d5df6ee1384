#include "MenuCheckRun.h"

#include "MenuCheckReport.h"
#include "PixelBudget.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QTextStream>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace fs = std::filesystem;

std::optional<int> runCheckIfAsked(int argc, char *argv[]) {
    if (argc < 2 || std::string_view(argv[1]) != "--check")
        return std::nullopt;
    const bool wrongUsage = argc > 3 || (argc == 3 && std::string_view(argv[2]).starts_with('-'));
    std::error_code error;
    const fs::path given = argc == 3 ? fs::path(argv[2]) : fs::current_path(error);
    const fs::path folder = error ? given : fs::absolute(given, error);
    // The pictures are decoded as the menu decodes them, on a platform that
    // needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int applicationArguments = 1;
    QGuiApplication application(applicationArguments, argv);
    QImageReader::setAllocationLimit(int(PixelBudget::limitBytes >> 20));
    if (wrongUsage || error || !fs::is_directory(folder, error)) {
        QTextStream(stderr) << MenuCheckReport::tr("使い方: discgate --check [フォルダー]") << '\n';
        return 2;
    }
    QTextStream out(stdout);
    return MenuCheckReport::checkMedium(folder, out);
}
