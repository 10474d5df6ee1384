#pragma once

#include "MenuCheck.h"

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

    // The line of one finding in the file named `fileName`; paths on the
    // medium are shown relative to `mediumRoot`.
    static QString findingLine(const CheckFinding &finding, const QString &fileName,
                               const std::filesystem::path &mediumRoot);
};
