#pragma once

class QApplication;
class QString;

// What both programs set up before their first window, for the whole process,
// so that main calls it once: their name and version, the icon that every
// window shows (given once the event loop has started), the Fusion style, so
// that they look alike on every desktop, the user's language (see
// installTranslations()) and the font substitutes.
void setUpApplication(QApplication &application, const QString &programName);

// Makes the programs speak the user's language, before anything is shown or
// printed: Japanese, the language the texts are written in, under a Japanese
// locale and under the C and POSIX locales or none; a language that the
// programs carry a translation of; English for every other. Qt's own buttons
// and dialogs follow, and so does the default locale, which names days and
// months. Needs the application object; once is enough for each.
void installTranslations();

// Chooses the window system before the QApplication is made, through the
// environment that Qt reads, so main calls it first. Both programs
// place their windows themselves, which a Wayland compositor never lets a
// client do, so where the desktop also offers X11 (through XWayland, with
// DISPLAY set) they run there and look as on X11; without X11 they run on
// Wayland natively and the compositor places their windows. An X server that
// cannot be reached falls back to Wayland. A platform that the user set in
// QT_QPA_PLATFORM, or with -platform, is left alone.
void chooseWindowSystem();
