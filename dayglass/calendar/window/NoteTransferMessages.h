#pragma once

#include "NoteStorage.h"
#include "NoteTransfer.h"
#include "WriteError.h"

#include <QCoreApplication>
#include <QString>

// What the user is told of notes the file cannot keep, and of the export and
// the import of notes, on the command line and on the CALENDAR page alike.
class NoteTransferMessages {
    Q_DECLARE_TR_FUNCTIONS(NoteTransferMessages)

public:
    // Why the note editor did not save the note.
    static QString notStorable(const NoteRefusal &refusal);

    static QString exported(std::size_t days, const QString &file);

    // Why nothing was exported from the notes in `dataFolder`.
    static QString notExported(ExportProblem problem, const DataFolder &dataFolder);

    // Why the export could not be written to `file`.
    static QString notExported(const QString &file, const WriteError &error);

    // What the import did, or why it did nothing. Of the texts some days
    // left out, and of their days, the first `listed` are named and the
    // others counted.
    static QString imported(const ImportOutcome &outcome, const QString &file,
                            std::size_t listed = 10);

    // The characters that the file cannot keep, a line for each group with
    // the days it would go to; of the groups, and of each one's days, the
    // first `listed` are named and the others counted.
    static QString unstorableList(const std::vector<UnstorableCharacters> &groups,
                                  std::size_t listed);

    // What the command line offers for such characters.
    static QString unstorableOptions(const char *replaceOption, const char *utf8Option);
};
