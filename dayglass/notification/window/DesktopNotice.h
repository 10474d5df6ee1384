#pragma once

#include <QString>
#include <QVariantMap>

// Shows `body` as a notice of the desktop's notification service on the
// session bus, under the program's name, icon and menu entry, with the
// service's `hints` besides. Nothing waits for the service: without a
// session bus, or with nobody serving notices, nothing happens.
void sendDesktopNotice(const QString &body, QVariantMap hints = {});
