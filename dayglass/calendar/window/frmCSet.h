#pragma once

#include "DataFolder.h"
#include "SavingDialog.h"
#include "StoredDay.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QPlainTextEdit;
class ThreedPanel;

// A stored note as the editor and the note area show it, one line a line.
QString noteDisplayText(std::string_view note);

// What the editor's save writes over.
enum class SaveOver {
    // The day while it still holds what the editor opened with; otherwise the
    // editor asks first.
    TheDayAsOpened,
    // Whatever the day holds.
    Anything,
};

// The note editor for one day: the day's name as heading, the note as plain
// text and the colour of the day's cell. It has no cancel; it closes by
// saving, with "設定更新" or Shift+Enter in the text, once both the note and the
// colour are written to Calendar.ini. A note that the file could not give back
// as typed is refused, and a save that fails is told; either way the editor
// stays open with the text as typed, and after a failed save the user may
// leave it without saving. When another window saved the day since the editor
// opened, the editor asks before it writes over that note; without leave it
// keeps both, the other note above the text, for the user to save. A note of
// which the file gave only the beginning is saved only once the user agrees
// to lose the rest.
class frmCSet : public SavingDialog {
    Q_OBJECT
public:
    frmCSet(const DataFolder &dataFolder, std::chrono::year_month_day date, const StoredDay &day,
            SaveOver over = SaveOver::TheDayAsOpened);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls(const QString &note);
    void setPanelColour(OleColor colour);

    void ColorSet_Click();
    void Setting_Click();
    // Saves `text` over the day as it was `over`, or over whatever it holds.
    void save(const std::string &text, const std::optional<StoredDay> &over);
    void dayChangedMeanwhile(const std::string &text, const StoredDay &now);

    const DataFolder m_dataFolder;
    const std::chrono::year_month_day m_date;
    // The file held more of the note than the editor was given.
    const bool m_noteCut;
    OleColor m_colour = oleBlack;
    // What the day held when the editor opened, or when a save last found it
    // changed: a save writes over that alone without asking. Nothing to write
    // over whatever the day holds.
    std::optional<StoredDay> m_over;
    QLabel *const m_SettimeL;
    QPlainTextEdit *const m_Tex;
    ThreedPanel *const m_ColorSet;
    QLabel *const m_ColorPanel;
    ThreedPanel *const m_Setting;
};
