#pragma once

#include <QString>

class QWidget;

// The message boxes the programs show: a caption, the text as plain text
// (markup is shown as written), no icon.
namespace MessageBoxes {

// One OK button.
void inform(QWidget *parent, const QString &caption, const QString &text);

// Yes and No, Yes the default; true for Yes.
bool askYesNo(QWidget *parent, const QString &caption, const QString &text);

} // namespace MessageBoxes
