#pragma once

#include "DayNoteStore.h"
#include "OleColor.h"
#include "SavingDialog.h"

#include <filesystem>
#include <optional>

class QLabel;
class QPlainTextEdit;
class ThreedPanel;

// A stored note as the editor and the note area show it, one line a line.
QString noteDisplayText(std::string_view note);

// How much of the day's note the editor was given.
enum class StoredNote {
    Whole,
    // The file holds more than a read returns; saving loses the rest, so the
    // editor asks first.
    Cut,
};

// The day the editor opens with: its section name, which is also the heading,
// its note as display text and the colour of its cell, and the day as the
// file held it then, over which alone the editor saves without asking;
// nothing to save over whatever the file holds.
struct EditedDay {
    QString section;
    QString note;
    OleColor colour = oleBlack;
    std::optional<StoredDay> stored;
};

// The note editor for one day: the day section name as heading, the note as
// plain text and the colour of the day's cell. It has no cancel; it closes by
// saving, with "設定更新" or Shift+Enter in the text, once both the note and the
// colour are written to Calendar.ini. A note that the file could not give back
// as typed is refused, and a save that fails is told; either way the editor
// stays open with the text as typed, and after a failed save the user may
// leave it without saving. When another window saved the day since the editor
// opened, the editor asks before it writes over that note; without leave it
// keeps both, the other note above the text, for the user to save.
class frmCSet : public SavingDialog {
    Q_OBJECT
public:
    frmCSet(const std::filesystem::path &dataFolder, const EditedDay &day,
            StoredNote storedNote = StoredNote::Whole);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void setPanelColour(OleColor colour);

    void ColorSet_Click();
    void Setting_Click();
    // Saves `text` over the day as it was `over`, or over whatever it holds.
    void save(const std::string &text, const std::optional<StoredDay> &over);
    void dayChangedMeanwhile(const std::string &text, const StoredDay &now);

    const std::filesystem::path m_dataFolder;
    const StoredNote m_storedNote;
    // The day as edited so far, but for the text, which Tex keeps.
    EditedDay m_day;
    QLabel *const m_SettimeL;
    QPlainTextEdit *const m_Tex;
    ThreedPanel *const m_ColorSet;
    QLabel *const m_ColorPanel;
    ThreedPanel *const m_Setting;
};
