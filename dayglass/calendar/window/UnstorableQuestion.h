#pragma once

#include "NoteImport.h"

#include <QDialog>
#include <vector>

class QDialogButtonBox;

// What an import asks when its texts hold characters that a Shift-JIS
// Calendar.ini cannot keep: it lists them all, each group with the days it
// would go to, and offers to import them replaced by a mark, to keep the
// calendar in UTF-8 from then on and import them as they are, or to import
// nothing, which is what Enter and Escape choose. Nothing changes before the
// user chooses.
class UnstorableQuestion : public QDialog {
    Q_OBJECT
public:
    UnstorableQuestion(QWidget *parent, const QString &file,
                       const std::vector<UnstorableCharacters> &groups);

    // What the user chose; Refuse until then.
    UnstorableChoice choice() const { return m_choice; }

    // Asks modally and gives the user's choice.
    static UnstorableChoice ask(QWidget *parent, const QString &file,
                                const std::vector<UnstorableCharacters> &groups);

private:
    void addChoice(QDialogButtonBox *buttons, const char *objectName, const QString &text,
                   UnstorableChoice choice);

    UnstorableChoice m_choice = UnstorableChoice::Refuse;
};
