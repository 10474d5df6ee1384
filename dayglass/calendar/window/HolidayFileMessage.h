#pragma once

#include "HolidayFile.h"

#include <QCoreApplication>
#include <QString>

// What the user is told of a syukujitsu.csv that the CALENDAR page does not
// use.
class HolidayFileMessage {
    Q_DECLARE_TR_FUNCTIONS(HolidayFileMessage)

public:
    // That `file` is not used and why, naming the line where it is no table,
    // and that the holidays shown are the law's.
    static QString notUsed(const std::filesystem::path &file, const HolidayFileError &error);

private:
    static QString reason(const HolidayFileError &error);
    static QString tableReason(const HolidayTableError &error);
};
