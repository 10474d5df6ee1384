#pragma once

#include "MenuSource.h"
#include "Opener.h"
#include "PlainMenu.h"

#include <QDialog>
#include <filesystem>
#include <string>

class QPushButton;
class QScrollArea;

// The menu of a medium whose Autorun.inf was written for the Windows shell
// alone: a normal window with the medium's icon and name above one push
// button per choice, then "フォルダーを開く" and "閉じる", as the shell offers
// them. A choice opens its target as a skinned button does and then ends the
// menu; Escape, "閉じる" and the title bar's close button end it at once.
class PlainMenuWindow : public QDialog {
    Q_OBJECT
public:
    // A menu from a folder rather than a medium asks before it runs anything.
    PlainMenuWindow(std::filesystem::path mediumRoot, const PlainMenu &menu, Opener &opener,
                    MenuSource source = MenuSource::Medium);

    // The longest text a heading or a button shows; longer ones are cut with
    // "…".
    static constexpr int maximumShownCharacters = 80;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *createHeading(const PlainMenu &menu);
    void createChoices(const PlainMenu &menu);
    QScrollArea *createButtonArea();
    QPushButton *addButton(const QString &text);
    void choose(const std::string &target);

    const std::filesystem::path m_mediumRoot;
    Opener &m_opener;
    const MenuSource m_source;
    QWidget *const m_buttons;
};
