#include "frmCSet.h"

#include "DayNames.h"
#include "DayNoteStore.h"
#include "JapaneseFonts.h"
#include "MessageBoxes.h"
#include "NoteText.h"
#include "NoteTransferMessages.h"
#include "QtColors.h"
#include "ThreedPanel.h"
#include "Twips.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

// Notes keep carriage returns for line breaks; Qt's widgets break lines at
// line feeds.
QString noteDisplayText(std::string_view note) {
    return QString::fromStdString(NoteToText(note)).replace(u'\r', u'\n');
}

frmCSet::frmCSet(const DataFolder &dataFolder, std::chrono::year_month_day date,
                 const StoredDay &day, SaveOver over)
    : SavingDialog(twipsRect(0, 0, 5295, 2190).size(), tr("メモを保存せずに閉じますか？"), nullptr),
      m_dataFolder(dataFolder), m_date(date), m_noteCut(day.noteCut),
      m_over(over == SaveOver::TheDayAsOpened ? std::optional(day) : std::nullopt),
      m_SettimeL(new QLabel(this)), m_Tex(new QPlainTextEdit(this)),
      m_ColorSet(new ThreedPanel(tr("色設定"), this)), m_ColorPanel(new QLabel(this)),
      m_Setting(new ThreedPanel(tr("設定更新"), this)) {
    setObjectName(QStringLiteral("frmCSet"));
    createControls(noteDisplayText(day.note));
    setPanelColour(day.colour);
}

bool frmCSet::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_Tex || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    constexpr Qt::KeyboardModifiers held =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if ((key->modifiers() & held) == Qt::ShiftModifier) {
        Setting_Click();
        return true;
    }
    // Enter with or without Ctrl or Alt starts a new line, as Enter alone does.
    m_Tex->insertPlainText(QStringLiteral("\n"));
    return true;
}

void frmCSet::createControls(const QString &note) {
    const QString heading = dayName(m_date);
    m_SettimeL->setObjectName(QStringLiteral("SettimeL"));
    m_SettimeL->setTextFormat(Qt::PlainText);
    m_SettimeL->setText(heading);
    m_SettimeL->setGeometry(twipsRect(60, 60, 3045, 315));
    m_SettimeL->setFont(designFont(FontFace::MsGothic, 14.25, FontWeight::Bold));
    setPaletteColor(m_SettimeL, QPalette::WindowText, Qt::white);
    // The note is read under the day it belongs to.
    m_SettimeL->setBuddy(m_Tex);
    // Without a title bar the dialog has no title to read; its heading stands
    // in for one.
    setAccessibleName(heading);

    m_Tex->setObjectName(QStringLiteral("Tex"));
    m_Tex->setGeometry(twipsRect(120, 420, 3795, 1575));
    m_Tex->setFont(designFont(FontFace::MsGothic, 12, FontWeight::Bold));
    setPaletteColor(m_Tex, QPalette::Base, Qt::white);
    setPaletteColor(m_Tex, QPalette::Text, Qt::black);
    m_Tex->setPlainText(note);
    m_Tex->installEventFilter(this);

    m_ColorSet->setObjectName(QStringLiteral("ColorSet"));
    m_ColorSet->setGeometry(twipsRect(3990, 450, 1215, 435));
    m_ColorSet->setFont(designFont(FontFace::MsGothic, 12, FontWeight::Bold));
    connect(m_ColorSet, &ThreedPanel::clicked, this, &frmCSet::ColorSet_Click);

    m_ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
    m_ColorPanel->setGeometry(twipsRect(3990, 960, 1215, 525));
    m_ColorPanel->setAutoFillBackground(true);

    m_Setting->setObjectName(QStringLiteral("Setting"));
    m_Setting->setGeometry(twipsRect(3990, 1560, 1215, 435));
    m_Setting->setFont(designFont(FontFace::MsGothic, 12, FontWeight::Bold));
    connect(m_Setting, &ThreedPanel::clicked, this, &frmCSet::Setting_Click);

    m_Tex->setFocus();
}

// The colour is kept as the file names it, so that a system colour is saved as
// the same system colour.
void frmCSet::setPanelColour(OleColor colour) {
    m_colour = colour;
    const QColor shown = toQColor(colour);
    setPaletteColor(m_ColorPanel, QPalette::Window, shown);
    // The panel shows its colour and nothing else; a screen reader says it as
    // a number.
    m_ColorPanel->setAccessibleName(shown.name().toUpper());
}

void frmCSet::ColorSet_Click() {
    QColorDialog chooser(this);
    chooser.setObjectName(QStringLiteral("CD"));
    if (chooser.exec() == QDialog::Accepted)
        setPanelColour(toOleColor(chooser.selectedColor()));
}

void frmCSet::Setting_Click() {
    commitComposition();
    const std::string text = m_Tex->toPlainText().toStdString();
    if (m_noteCut && !MessageBoxes::askYesNo(this, QGuiApplication::applicationDisplayName(),
                                             tr("このメモは長すぎて、途中までしか読めていません。\n"
                                                "保存すると続きは消えるよ？いいの？")))
        return;
    save(text, m_over);
}

void frmCSet::save(const std::string &text, const std::optional<StoredDay> &over) {
    const Result<void, DaySaveRefusal> saved =
        saveDay(m_dataFolder, m_date, {TextToNote(text), m_colour}, over);
    if (saved) {
        accept();
    } else if (const auto *note = std::get_if<NoteRefusal>(&saved.error())) {
        MessageBoxes::inform(this, QGuiApplication::applicationDisplayName(),
                             NoteTransferMessages::notStorable(*note));
    } else if (const auto *changed = std::get_if<DayChangedMeanwhile>(&saved.error())) {
        dayChangedMeanwhile(text, changed->now);
    } else {
        saveFailed(std::get<WriteError>(saved.error()));
    }
}

// Either answer loses nothing: Yes writes over the other note, No puts it
// above the text, and the next save writes both.
void frmCSet::dayChangedMeanwhile(const std::string &text, const StoredDay &now) {
    if (MessageBoxes::askYesNo(
            this, QGuiApplication::applicationDisplayName(),
            tr("この日のメモは、編集を始めた後にほかのウィンドウで保存されています。\n"
               "上書きするよ？いいの？\n\n"
               "「いいえ」なら、ほかのウィンドウのメモをこのメモの前に加えます。"),
            MessageBoxes::DefaultAnswer::No)) {
        save(text, now);
        return;
    }
    m_over = now;
    m_Tex->setPlainText(noteDisplayText(now.note) + QLatin1Char('\n') +
                        QString::fromStdString(text));
}
