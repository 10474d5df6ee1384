#pragma once

class QApplication;

// What both programs set up before their first window: the Fusion style, so
// that they look alike on every desktop, the Japanese texts of Qt's standard
// buttons and dialogs, and the font substitutes.
void setUpApplication(QApplication &application);
