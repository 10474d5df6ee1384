#pragma once

#include "NoteTransfer.h"

#include <QString>

// What the export and the import of notes tell the user, on the command line
// and on the CALENDAR page alike.
namespace NoteTransferMessages {

QString exported(std::size_t days, const QString &file);

// Why nothing was exported from the notes in `dataFolder`.
QString notExported(ExportProblem problem, const std::filesystem::path &dataFolder);

QString notExported(const QString &file, const QString &reason);

// What the import did, or why it did nothing. Of the days left alone the
// first `listedDays` are named, and the others counted.
QString imported(const ImportOutcome &outcome, const QString &file, std::size_t listedDays);

} // namespace NoteTransferMessages
