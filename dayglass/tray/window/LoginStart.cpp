#include "LoginStart.h"

#include "AutostartEntry.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "QtPaths.h"
#include "WriteErrorMessage.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

LoginStart::LoginStart(QWidget *window)
    : QObject(window), m_window(window), m_action(new QAction(tr("ログイン時に起動"), this)) {
    m_action->setObjectName(QStringLiteral("LoginStart"));
    m_action->setCheckable(true);
    connect(m_action, &QAction::triggered, this, &LoginStart::switchTo);
}

void LoginStart::refresh() {
    if (m_program.empty()) {
        m_program = autostartProgram(fileSystemPath(QCoreApplication::applicationFilePath()),
                                     systemProgramFolders);
        if (const std::optional<std::filesystem::path> configHome = userConfigHome())
            m_entry = autostartEntryPath(*configHome);
    }
    // Without a configuration folder there is no autostart folder either.
    m_action->setEnabled(m_entry.has_value());
    m_action->setToolTip(
        m_entry ? QString() : tr("設定のフォルダ（$XDG_CONFIG_HOME か ~/.config）がありません"));
    m_action->setChecked(m_entry && autostartEntryStarts(*m_entry, m_program));
}

void LoginStart::switchTo(bool on) {
    refresh();
    if (!m_entry)
        return;
    const WriteResult written =
        on ? writeAutostartEntry(*m_entry, m_program) : removeAutostartEntry(*m_entry);
    if (!written)
        MessageBoxes::inform(m_window, QGuiApplication::applicationDisplayName(),
                             WriteErrorMessage::notSaved(written.error()));
    refresh();
}
