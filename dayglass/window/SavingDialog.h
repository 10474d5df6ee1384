#pragma once

#include "WriteError.h"

#include <QDialog>

// The dialogs of dayglass: black, without a title bar, set apart from the
// black window beneath by a raised edge, centred on the screen, and closed by
// saving. Escape and the window system's close request do nothing, so that a
// stray key never drops what the user typed; once a save has failed they ask
// whether to close without saving, so that a file that cannot be written
// still leaves the user a way out.
class SavingDialog : public QDialog {
    Q_OBJECT
public:
    void reject() override;

protected:
    // `size` is the client area; `leaveQuestion` asks whether to close
    // without saving.
    SavingDialog(QSize size, QString leaveQuestion, QWidget *parent);

    // Commits the text that the input method is still composing into the
    // field that has the focus, so that a save takes all that the user typed.
    static void commitComposition();

    // Tells the user which file was not written and why; from now on Escape
    // and the close request offer to leave without saving.
    void saveFailed(const WriteError &error);

private:
    const QString m_leaveQuestion;
    bool m_saveFailed = false;
};
