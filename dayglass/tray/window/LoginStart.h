#pragma once

#include <QObject>
#include <filesystem>
#include <optional>
#include <string>

class QAction;
class QWidget;

// The item "ログイン時に起動" of the TIMER page's menu and the tray icon's:
// checked while the desktop's autostart folder holds an entry that starts
// this very copy of the program; switching it writes or removes that entry,
// and a failure is told. Nothing is looked at before a menu first shows it.
class LoginStart : public QObject {
    Q_OBJECT
public:
    explicit LoginStart(QWidget *window);

    QAction *action() const { return m_action; }

    // Checks the item when an entry starts this copy now; called before a
    // menu shows it.
    void refresh();

private:
    void switchTo(bool on);

    QWidget *const m_window;
    QAction *const m_action;
    // Worked out at the first refresh: the program as the entry names it,
    // and the entry's place, none without a configuration folder.
    std::string m_program;
    std::optional<std::filesystem::path> m_entry;
};
