#pragma once

class QApplication;
class QString;

// What both programs set up before their first window: their name and the
// icon that every window shows, the Fusion style, so that they look alike on
// every desktop, the Japanese texts of Qt's standard buttons and dialogs, and
// the font substitutes.
void setUpApplication(QApplication &application, const QString &programName);
