#include "MenuCheckRun.h"

#include "MenuCheckReport.h"

#include <QTextStream>
#include <cstdio>
#include <string_view>

namespace fs = std::filesystem;

std::optional<MenuCheckRequest> menuCheckRequestOf(int argc, char *argv[]) {
    if (argc < 2 || std::string_view(argv[1]) != "--check")
        return std::nullopt;
    if (argc > 3 || (argc == 3 && std::string_view(argv[2]).starts_with('-')))
        return MenuCheckRequest{{}, true};
    std::error_code error;
    const fs::path given = argc == 3 ? fs::path(argv[2]) : fs::current_path(error);
    const fs::path folder = error ? given : fs::absolute(given, error);
    return MenuCheckRequest{folder, error || !fs::is_directory(folder, error)};
}

int runMenuCheck(const MenuCheckRequest &request) {
    if (request.wrongUsage) {
        QTextStream(stderr) << MenuCheckReport::tr("使い方: discgate --check [フォルダー]") << '\n';
        return 2;
    }
    QTextStream out(stdout);
    return MenuCheckReport::checkMedium(request.folder, out);
}
