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
