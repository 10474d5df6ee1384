#pragma once

#include <QString>
#include <functional>
#include <stop_token>

class QWidget;

// Runs `work` on a thread of its own while a progress dialog shows `label`,
// so that the windows go on repainting however long it takes. The dialog's
// cancel button asks the work to stop through its stop token; the dialog
// stays until the work has ended, which this waits for.
void runInBackground(QWidget *parent, const QString &label,
                     const std::function<void(std::stop_token)> &work);

// The same for work that cannot stop halfway, such as a save: its dialog has
// no cancel button, and the windows take no input until it has ended, so that
// nothing is started or closed under it.
void runInBackground(QWidget *parent, const QString &label, const std::function<void()> &work);
