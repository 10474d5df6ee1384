#pragma once

#include <QCoreApplication>
#include <QString>
#include <filesystem>

class QTextStream;

// What `discgate --check` prints: one line per finding, as
// "Autorun.inf:LINE: text", in the words of the menu's own messages where it
// has one, then the count.
class MenuCheckReport {
    Q_DECLARE_TR_FUNCTIONS(MenuCheckReport)

public:
    // Checks the medium in `mediumRoot`, decoding its pictures as the menu
    // would, and prints the report to `out`: status 0 when nothing was found,
    // 1 otherwise.
    static int checkMedium(const std::filesystem::path &mediumRoot, QTextStream &out);
};
