#include "MenuCheckRun.h"

#include "MenuCheckReport.h"

#include <QTextStream>
#include <cstdio>

namespace fs = std::filesystem;

std::optional<MenuCheckRequest> menuCheckRequestOf(const CommandLine &commandLine) {
    if (!commandLine.valueOf(checkOption))
        return std::nullopt;
    std::error_code error;
    const fs::path given =
        commandLine.operands.empty() ? fs::current_path(error) : fs::path(commandLine.operands[0]);
    const fs::path folder = error ? given : fs::absolute(given, error);
    return MenuCheckRequest{folder, error || !fs::is_directory(folder, error)};
}

int runMenuCheck(const MenuCheckRequest &request) {
    QTextStream out(stdout);
    return MenuCheckReport::checkMedium(request.folder, out);
}
