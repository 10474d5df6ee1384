#include "UnstorableQuestion.h"

#include "NoteTransferMessages.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The list names this many groups, and of each this many days; a calendar in
// Korean has a group for nearly every event.
constexpr std::size_t listedInQuestion = 200;

} // namespace

UnstorableQuestion::UnstorableQuestion(QWidget *parent, const QString &file,
                                       const std::vector<UnstorableCharacters> &groups)
    : QDialog(parent) {
    setWindowTitle(QGuiApplication::applicationDisplayName());
    auto *const layout = new QVBoxLayout(this);
    auto *const question =
        new QLabel(tr("%1 の予定に、Calendar.ini（Shift-JIS）に保存できない文字があります。"
                      "どのように読み込みますか？")
                       .arg(file),
                   this);
    question->setWordWrap(true);
    question->setTextFormat(Qt::PlainText);
    layout->addWidget(question);
    auto *const list =
        new QPlainTextEdit(NoteTransferMessages::unstorableList(groups, listedInQuestion), this);
    list->setObjectName(QStringLiteral("lstUnstorable"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(list);
    auto *const utf8Note =
        new QLabel(tr("UTF-8 で保存すると、どの文字もそのまま残りますが、Calendar.ini は "
                      "Windows の元のプログラムでは文字化けするようになります。"),
                   this);
    utf8Note->setWordWrap(true);
    layout->addWidget(utf8Note);
    auto *const buttons = new QDialogButtonBox(this);
    addChoice(buttons, "cmdReplace",
              tr("%1 に置き換えて読み込む").arg(QString::fromUtf8(unstorableMark)),
              UnstorableChoice::ReplaceWithMark);
    addChoice(buttons, "cmdUtf8", tr("UTF-8 で保存して読み込む"), UnstorableChoice::StoreInUtf8);
    QPushButton *const refuse =
        buttons->addButton(tr("読み込まない"), QDialogButtonBox::RejectRole);
    refuse->setObjectName(QStringLiteral("cmdRefuse"));
    refuse->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 360);
}

void UnstorableQuestion::addChoice(QDialogButtonBox *buttons, const char *objectName,
                                   const QString &text, UnstorableChoice choice) {
    QPushButton *const button = buttons->addButton(text, QDialogButtonBox::AcceptRole);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, choice] {
        m_choice = choice;
        accept();
    });
}

UnstorableChoice UnstorableQuestion::ask(QWidget *parent, const QString &file,
                                         const std::vector<UnstorableCharacters> &groups) {
    UnstorableQuestion question(parent, file, groups);
    question.exec();
    return question.choice();
}
