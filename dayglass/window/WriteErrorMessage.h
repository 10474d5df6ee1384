#pragma once

#include "PeriodValidation.h"
#include "WriteError.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>

// The texts that tell the user that a file was not written: after a failed
// write, one line that says what was not done and one that says why; for a
// period that the dialog refuses, the one line of its problem.
class WriteErrorMessage {
    Q_DECLARE_TR_FUNCTIONS(WriteErrorMessage)

public:
    // "What was not done" and the reason below it.
    static QString withReason(const QString &whatFailed, const WriteError &error);

    // The file that could not be saved, and why.
    static QString notSaved(const WriteError &error);

    // The day, named as the user reads it, whose note and colour could not be
    // wiped, and why.
    static QString notCleared(const QString &day, const WriteError &error);

    // Why the calendar could not be wiped as a whole.
    static QString notReset(const WriteError &error);

    // Why the period dialog does not save, as "開始月が不正です": one text for
    // each kind of problem that checkPeriod finds.
    static QString periodRefused(const PeriodProblem &problem);

    // Why the program folder does not keep Data.ini and Calendar.ini.
    enum class KeptAway {
        // Another user may write it.
        OthersMayWrite,
        // The user may not write it; its files are read until the user saves.
        ReadOnly,
    };

    // Where Data.ini and Calendar.ini are kept (nowhere when `dataFolder` is
    // empty), as the program folder does not keep them, and why.
    static QString keptAwayFromTheProgramFolder(const std::filesystem::path &programFolder,
                                                const std::filesystem::path &dataFolder,
                                                KeptAway why);

    // A file that is neither read nor written because it is larger than
    // `sizeLimit`, and how to use the program again.
    static QString tooLargeToRead(const std::filesystem::path &file, std::uintmax_t sizeLimit);

    // The system cannot convert Shift-JIS text (see checkCp932Conversion), so
    // no file is read or written.
    static QString noCp932Conversion(std::error_code systemError);

    // The system's own description of an error number, in the user's
    // language where the system has one.
    static QString systemText(std::error_code systemError);

private:
    // Why the write failed, as one line.
    static QString reason(const WriteError &error);
};
