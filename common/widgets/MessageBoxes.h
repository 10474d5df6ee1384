#pragma once

#include <QString>

class QWidget;

// The message boxes the programs show: a caption, the text as plain text
// (markup is shown as written), no icon.
namespace MessageBoxes {

// One OK button.
void inform(QWidget *parent, const QString &caption, const QString &text);

// The button that Enter presses in a question.
enum class DefaultAnswer { Yes, No };

// Yes and No, Yes the default unless said otherwise; true for Yes.
bool askYesNo(QWidget *parent, const QString &caption, const QString &text,
              DefaultAnswer defaultAnswer = DefaultAnswer::Yes);

} // namespace MessageBoxes
