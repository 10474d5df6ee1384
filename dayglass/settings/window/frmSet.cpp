#include "frmSet.h"

#include "JapaneseFonts.h"
#include "MessageBoxes.h"
#include "PeriodValidation.h"
#include "QtColors.h"
#include "ThreedPanel.h"
#include "TranslatableText.h"
#include "Twips.h"
#include "WriteErrorMessage.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace {

struct FieldColumn {
    const char *name;
    int left;
    int width;
    std::size_t maximumLength;
    const char *unit;
    // The unit as a screen reader says it after the row's heading.
    TranslatableText spokenUnit;
    int unitLeft;
};

constexpr std::array<FieldColumn, 6> columns = {{
    {"Year", 120, 765, 4, QT_TRANSLATE_NOOP("frmSet", "年"),
     QT_TRANSLATE_NOOP3("frmSet", "年", "as a screen reader says it"), 870},
    {"Month", 1230, 405, 2, QT_TRANSLATE_NOOP("frmSet", "月"),
     QT_TRANSLATE_NOOP3("frmSet", "月", "as a screen reader says it"), 1650},
    {"Day", 2010, 405, 2, QT_TRANSLATE_NOOP("frmSet", "日"),
     QT_TRANSLATE_NOOP3("frmSet", "日", "as a screen reader says it"), 2430},
    {"Hour", 2820, 405, 2, QT_TRANSLATE_NOOP("frmSet", "時"),
     QT_TRANSLATE_NOOP3("frmSet", "時", "as a screen reader says it"), 3240},
    {"Minute", 3630, 405, 2, QT_TRANSLATE_NOOP("frmSet", "分"),
     QT_TRANSLATE_NOOP3("frmSet", "分", "as a screen reader says it"), 4050},
    {"Second", 4410, 405, 2, QT_TRANSLATE_NOOP("frmSet", "秒"),
     QT_TRANSLATE_NOOP3("frmSet", "秒", "as a screen reader says it"), 4830},
}};

constexpr int rowDistance = 840; // twips between the start row and the end row

QFont dialogFont() {
    return designFont(FontFace::MsGothic, 14.25, FontWeight::Bold);
}

void createCaption(const QString &text, QRect geometry, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(dialogFont());
    setPaletteColor(label, QPalette::WindowText, Qt::white);
}

// A field for digits that takes no part in an input method's composition: with
// a Japanese input method on, typed digits would otherwise become full-width
// text under composition, which the field refuses, and the first composed key
// would wipe the selected value. Input methods ask the focused widget whether
// it takes their input; this one answers no, so keys arrive as the digits the
// user typed.
class DigitField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
        if (query == Qt::ImEnabled)
            return false;
        return QLineEdit::inputMethodQuery(query);
    }
};

// Judges every change of a field's text, typed or pasted, by the rule of
// acceptsFieldText.
class FieldTextValidator : public QValidator {
public:
    FieldTextValidator(const QString &stored, std::size_t limit, QObject *parent)
        : QValidator(parent), m_stored(stored.toStdU32String()), m_limit(limit) {}

    State validate(QString &input, int &) const override {
        return acceptsFieldText(m_stored, input.toStdU32String(), m_limit) ? Acceptable : Invalid;
    }

private:
    const std::u32string m_stored;
    const std::size_t m_limit;
};

// Shows the stored text as it stands, and lets the user edit it. Typing is
// filtered key by key; the validator keeps the limit and also stops text that
// arrives another way, such as a middle-click paste.
void fill(QLineEdit *field, const std::string &stored, std::size_t limit) {
    const QString text = QString::fromStdString(stored);
    field->setText(text);
    field->setValidator(new FieldTextValidator(text, limit, field));
}

} // namespace

frmSet::frmSet(const DayglassContext &context, QWidget *parent)
    : SavingDialog(twipsRect(0, 0, 5295, 2400).size(), tr("設定を保存せずに閉じますか？"), parent),
      m_context(context) {
    setObjectName(QStringLiteral("frmSet"));
    // Without a title bar the dialog has no title to read; it is read under
    // the caption of the button that opens it.
    setAccessibleName(tr("時間設定"));
    createRow(0, tr("開始"), 0);
    createRow(rowDistance, tr("終了"), 6);
    createSettingButton();
    Form_Load();
}

void frmSet::createRow(int top, const QString &heading, int offset) {
    createCaption(heading, twipsRect(120, 90 + top, 735, 315), this);
    const QString prefix = offset == 0 ? QStringLiteral("S") : QStringLiteral("E");
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const FieldColumn &column = columns[i];
        auto *field = new DigitField(this);
        field->setObjectName(prefix + QString::fromLatin1(column.name));
        // A field is read under the captions that frame it on the screen: its
        // row's heading and the unit beside it.
        field->setAccessibleName(heading + QLatin1Char(' ') +
                                 translated("frmSet", column.spokenUnit));
        field->setGeometry(twipsRect(column.left, 450 + top, column.width, 360));
        field->setFont(dialogFont());
        field->setContextMenuPolicy(Qt::NoContextMenu);
        setPaletteColor(field, QPalette::Base, Qt::white);
        setPaletteColor(field, QPalette::Text, Qt::black);
        field->installEventFilter(this);
        m_fields[static_cast<std::size_t>(offset) + i] = field;
        createCaption(tr(column.unit), twipsRect(column.unitLeft, 480 + top, 405, 315), this);
    }
}

void frmSet::createSettingButton() {
    auto *setting = new ThreedPanel(tr("設定更新"), this);
    setting->setObjectName(QStringLiteral("Setting"));
    setting->setGeometry(twipsRect(3000, 1830, 2145, 435));
    setting->setFont(designFont(FontFace::MsGothic, 12, FontWeight::Bold));
    connect(setting, &ThreedPanel::clicked, this, &frmSet::Setting_Click);
}

void frmSet::Form_Load() {
    const PeriodTexts texts = readPeriodTexts(m_context.dataFolder);
    for (std::size_t i = 0; i < dateTimeFields.size(); ++i) {
        fill(m_fields[i], texts.start.*dateTimeFields[i], columns[i].maximumLength);
        fill(m_fields[i + 6], texts.end.*dateTimeFields[i], columns[i].maximumLength);
    }
}

void frmSet::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // The dialog becomes active only after this, and a focus that comes with
    // the activation highlights nothing; so the first field is highlighted
    // here.
    m_fields[0]->setFocus(Qt::TabFocusReason);
    highlight(m_fields[0]);
}

PeriodTexts frmSet::fieldTexts() const {
    PeriodTexts texts;
    for (std::size_t i = 0; i < dateTimeFields.size(); ++i) {
        texts.start.*dateTimeFields[i] = m_fields[i]->text().toStdString();
        texts.end.*dateTimeFields[i] = m_fields[i + 6]->text().toStdString();
    }
    return texts;
}

void frmSet::Setting_Click() {
    commitComposition();
    const PeriodTexts texts = fieldTexts();
    if (const Result<void, PeriodProblem> checked = checkPeriod(texts); !checked) {
        MessageBoxes::inform(this, QGuiApplication::applicationDisplayName(),
                             WriteErrorMessage::periodRefused(checked.error()));
        return;
    }
    if (const WriteResult written = writePeriodTexts(m_context.dataFolder, texts); !written) {
        saveFailed(written.error());
        return;
    }
    accept();
}

void frmSet::ClearFieldColors() {
    for (QLineEdit *field : m_fields)
        setPaletteColor(field, QPalette::Base, Qt::white);
}

void frmSet::highlight(QLineEdit *field) {
    ClearFieldColors();
    setPaletteColor(field, QPalette::Base, toQColor(oleRed));
    field->selectAll();
}

bool frmSet::eventFilter(QObject *watched, QEvent *event) {
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        return !text.isEmpty() && isRefusedFieldCharacter(text.toUcs4().value(0));
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // The dialog becoming active again, after a message or another
        // window, returns the focus to where it was; the field stays exactly
        // as the user left it.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        highlight(field);
        m_enteredByClick = reason == Qt::MouseFocusReason ? field : nullptr;
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The click that brought the focus would put the caret where it hit
        // and undo the selection; it is spent on entering the field, as Tab
        // is, so that the first digit typed replaces the value.
        if (m_enteredByClick != field)
            return false;
        m_enteredByClick = nullptr;
        return true;
    default:
        return false;
    }
}
